#include "widgets/functional_window.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>


const std::vector<Shortcut>& functionKeyShortcuts()
{
    static const std::vector<Shortcut> shortcuts{
        {QKeySequence(Qt::Key_Return), EV_RETURN},
        {QKeySequence(Qt::Key_Enter), EV_RETURN},
        {QKeySequence(Qt::Key_F1), EV_F1},
        {QKeySequence(Qt::Key_F2), EV_F2},
        {QKeySequence(Qt::Key_F3), EV_F3},
        {QKeySequence(Qt::Key_F4), EV_F4},
        {QKeySequence(Qt::Key_F5), EV_F5},
        {QKeySequence(Qt::Key_F6), EV_F6},
        {QKeySequence(Qt::Key_F8), EV_F8},
        {QKeySequence(Qt::Key_F12), EV_F12},
        {QKeySequence(Qt::ALT | Qt::Key_Delete), EV_ALT_DELETE},
        {QKeySequence(Qt::Key_Escape), EV_ESCAPE},
    };
    return shortcuts;
}

FunctionalWindow::FunctionalWindow(const QString& title, const QColor& background, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this))
{
    setWindowTitle(title);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    // The window's own colour only: its fields and lists keep theirs.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(tabs_);
}

void FunctionalWindow::finishTabs()
{
    tabs_->addTab(new QWidget, QStringLiteral(" FERMER"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (!listening_) return;
        if (index == tabs_->count() - 1) {
            close();
            return;
        }
        if (shownTab_ >= 0 && shownTab_ != index) tabLeft(shownTab_);
        shownTab_ = index;
        tabSelected(index);
    });
}

void FunctionalWindow::run(int tabIndex)
{
    showOnTab(tabIndex);
    exec();
}

void FunctionalWindow::showOnTab(int tabIndex)
{
    listening_ = false;
    tabs_->setCurrentIndex(tabIndex);
    listening_ = true;
    // The desktop's size also where no window manager maximises.
    setGeometry(screen()->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    show();
    // Opening on a tab prepares it as selecting it does: a tab shown without its number, lists
    // and default payment mode once stored payments nobody had typed.
    const int shown = tabs_->currentIndex();
    if (shown >= 0 && shown < tabs_->count() - 1) {
        shownTab_ = shown;
        tabSelected(shown);
    }
}

void FunctionalWindow::closeEvent(QCloseEvent* event)
{
    if (shownTab_ >= 0) tabLeft(std::exchange(shownTab_, -1));
    QDialog::closeEvent(event);
}

void FunctionalWindow::setPanelSize(int widthLess, int heightLess)
{
    layout()->setContentsMargins(10, 10, widthLess - 10, heightLess - 10);
}

void FunctionalWindow::installShortcuts(const std::vector<Shortcut>& shortcuts)
{
    for (const Shortcut& shortcut : shortcuts) {
        auto* key = new QShortcut(shortcut.key, this);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, [this, event = shortcut.event] {
            // A name box's list of matches is done with once a key acts on the form.
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            keyEvent(event);
        });
    }
}
