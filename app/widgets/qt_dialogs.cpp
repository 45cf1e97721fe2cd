#include "widgets/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
// Boxes belong to the window the user is working in.
QWidget* owner() { return QApplication::activeWindow(); }
} // namespace

void QtDialogs::message(const QString& title, const QString& text)
{
    // Refusals and failures ("Erreur", "Erreur inattendue", "Erreur...") carry the warning sign.
    if (title.startsWith(QStringLiteral("Erreur")))
        QMessageBox::warning(owner(), title, text);
    else
        QMessageBox::information(owner(), title, text);
}

bool QtDialogs::askYesNo(const QString& title, const QString& text)
{
    return QMessageBox::question(owner(), title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

Dialogs::Answer QtDialogs::askYesNoCancel(const QString& title, const QString& text)
{
    switch (QMessageBox::question(owner(), title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::input(const QString& title, const QString& prompt, const QString& defaultText)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted) return std::nullopt;
    return text;
}

QString QtDialogs::chooseFolder(const QString& title)
{
    return QFileDialog::getExistingDirectory(owner(), title);
}
