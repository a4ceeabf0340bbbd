#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vernik {
namespace {

// The texts of standard buttons (message boxes, button boxes) are asked for
// under the platform theme's name; the Swedish catalogue holds them under the
// button box's, so they are looked up there.
class StandardButtonTexts : public QTranslator {
  public:
    StandardButtonTexts(const QTranslator& catalogue, QObject* parent)
        : QTranslator(parent), catalogue_(catalogue) {}

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (qstrcmp(context, "QPlatformTheme") != 0) return {};
        return catalogue_.translate("QDialogButtonBox", sourceText, disambiguation, n);
    }
    bool isEmpty() const override { return false; }

  private:
    const QTranslator& catalogue_;
};

}  // namespace

bool installSwedishQtTranslations(const QString& folder) {
    auto* app = QCoreApplication::instance();
    if (!app) return false;
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    auto* catalogue = new QTranslator(app);
    // Newer Qt versions split the catalogue; this system may hold either form.
    if (!catalogue->load(swedish, QStringLiteral("qtbase"), QStringLiteral("_"), folder) &&
        !catalogue->load(swedish, QStringLiteral("qt"), QStringLiteral("_"), folder)) {
        delete catalogue;
        return false;
    }
    QCoreApplication::installTranslator(catalogue);
    QCoreApplication::installTranslator(new StandardButtonTexts(*catalogue, catalogue));
    return true;
}

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

}  // namespace vernik
