#include "shell/access_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "common/env.h"
#include "shell/session.h"
#include "widgets/form_widgets.h"
#include "widgets/screen_fonts.h"

namespace {

QPushButton* button(const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    // Return on a button must not press it: only the code edit answers Return.
    b->setAutoDefault(false);
    return b;
}

} // namespace

AccessWindow::AccessWindow(Env& env, QWidget* parent) : QDialog(parent), env_(env), code_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Varkel 2020 (Logiciel de gestion commerciale)"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(640, 330);
    setFont(screenFont(2));

    auto* banner = new QLabel(this);
    const QPixmap picture(QStringLiteral(":/banner.png"));
    banner->setPixmap(picture);
    banner->setGeometry(0, 0, picture.width(), picture.height());
    const int top = picture.height();

    auto* frame = new QGroupBox(this);
    frame->setGeometry(5, top, 630, 50);
    fieldLabel(QStringLiteral("Code d'accès :"), code_, this)->setGeometry(20, top + 20, 95, 20);
    code_->setGeometry(120, top + 20, 100, 20);
    code_->setEchoMode(QLineEdit::Password);

    connect(button(QStringLiteral("Valider"), {230, top + 15, 100, 30}, this), &QPushButton::clicked, this,
            &AccessWindow::validate);
    connect(button(QStringLiteral("Annuler"), {350, top + 15, 100, 30}, this), &QPushButton::clicked, this,
            &AccessWindow::reject);
    connect(button(QStringLiteral("Modifier le mot de passe"), {470, top + 15, 150, 30}, this), &QPushButton::clicked,
            this, &AccessWindow::changeCode);

    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (focusWidget() == code_) validate();
        });
    }
    code_->setFocus();
}

AccessForm AccessWindow::pull() const { return {code_->text()}; }

void AccessWindow::push(const AccessForm& form) { code_->setText(form.code); }

void AccessWindow::validate()
{
    AccessForm form = pull();
    validateAccessCode(env_, form);
    if (form.accepted) accept();
}

void AccessWindow::changeCode()
{
    AccessForm form = pull();
    changeAccessCode(env_, form);
    push(form);
}

void AccessWindow::reject()
{
    shutdownAndExit(env_);
    QDialog::reject();
}

bool runAccessWindow(Env& env)
{
    AccessWindow window(env);
    return window.exec() == QDialog::Accepted;
}
