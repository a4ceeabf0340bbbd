#include "platform/find_replace_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vernik {

FindReplaceDialog::FindReplaceDialog(Kind kind, QWidget* parent) : QDialog(parent) {
    const bool replacing = kind == Kind::Replace;
    setObjectName(replacing ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    setWindowTitle(replacing ? QStringLiteral("Ersätt") : QStringLiteral("Sök"));
    setModal(false);

    auto* fields = new QFormLayout;
    find_ = new QLineEdit(this);
    fields->addRow(QStringLiteral("Sök efter:"), find_);
    if (replacing) {
        replace_ = new QLineEdit(this);
        fields->addRow(QStringLiteral("Ersätt med:"), replace_);
    }
    // The search always tells capitals from small letters; the box says so.
    auto* matchCase = new QCheckBox(QStringLiteral("Matcha gemener/VERSALER"), this);
    matchCase->setChecked(true);
    matchCase->setEnabled(false);
    fields->addRow(matchCase);

    auto* buttons = new QVBoxLayout;
    const auto addButton = [&](const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    findNext_ = addButton(QStringLiteral("Sök nästa"));
    findNext_->setDefault(true);
    connect(findNext_, &QPushButton::clicked, this, &FindReplaceDialog::findNextClicked);
    if (replacing) {
        replaceOne_ = addButton(QStringLiteral("Ersätt"));
        replaceAll_ = addButton(QStringLiteral("Ersätt alla"));
        connect(replaceOne_, &QPushButton::clicked, this, &FindReplaceDialog::replaceClicked);
        connect(replaceAll_, &QPushButton::clicked, this, &FindReplaceDialog::replaceAllClicked);
    }
    connect(addButton(QStringLiteral("Avbryt")), &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    for (QPushButton* button : {findNext_, replaceOne_, replaceAll_}) {
        if (button) button->setEnabled(false);
    }
    connect(find_, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (QPushButton* button : {findNext_, replaceOne_, replaceAll_}) {
            if (button) button->setEnabled(!text.isEmpty());
        }
    });
}

QString FindReplaceDialog::findText() const {
    return find_->text();
}

QString FindReplaceDialog::replaceText() const {
    return replace_ ? replace_->text() : QString();
}

}  // namespace vernik
