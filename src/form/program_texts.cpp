#include "form/program_texts.h"

#include <QFile>

// The resources live in a static library, so they are registered by hand.
static bool registerProgramResources() {
    Q_INIT_RESOURCE(vernik);
    return true;
}

namespace vernik {

QString programText(const QString& name) {
    static const bool registered = registerProgramResources();
    (void)registered;
    QFile file(QStringLiteral(":/vernik/") + name);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

QString programVersion() {
    return QStringLiteral(VERNIK_VERSION);
}

}  // namespace vernik
