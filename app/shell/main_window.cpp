#include "shell/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>

#include "common/env.h"
#include "journals/journals_window.h"
#include "master/tables_window.h"
#include "shell/session.h"
#include "stock/stock_window.h"
#include "treasury/treasury_window.h"
#include "utilities/parameters_window.h"
#include "utilities/utilities_window.h"
#include "widgets/form_widgets.h"

MainProcedures windowProcedures()
{
    return {
        {MainTarget::Tables, openTablesWindow},
        {MainTarget::Stock, openStockWindow},
        {MainTarget::Treasury, openTreasuryWindow},
        {MainTarget::Journals, openJournalsWindow},
        {MainTarget::Utilities, openUtilitiesWindow},
        {MainTarget::Parameters, [](Env& env, int) { openParametersWindow(env); }},
    };
}

MainWindow::MainWindow(Env& env, MainProcedures procedures, QWidget* parent)
    : QMainWindow(parent), env_(env), procedures_(std::move(procedures))
{
    setWindowTitle(QStringLiteral("Varkel 2020 (Logiciel de gestion commerciale - Version 20)"));
    auto* presentation = new QLabel(this);
    presentation->setPixmap(QPixmap(QStringLiteral(":/presentation.png")));
    presentation->setAlignment(Qt::AlignCenter);
    setBackground(presentation, QColor(100, 100, 100));
    setCentralWidget(presentation);
    buildMenus();
    buildToolbar();
}

void MainWindow::open()
{
    // The whole desktop, also where no window manager is there to maximise it.
    setGeometry(screen()->availableGeometry());
    showMaximized();
    raise();
    activateWindow();
}

void MainWindow::buildMenus()
{
    for (const Menu& menu : mainMenus()) {
        QMenu* entry = menuBar()->addMenu(menu.title);
        for (const MenuItem& item : menu.items) {
            if (item.identifier == 0) {
                entry->addSeparator();
                continue;
            }
            QAction* action = entry->addAction(item.text);
            action->setData(item.identifier);
            connect(action, &QAction::triggered, this, [this, id = item.identifier] { dispatch(id); });
        }
    }
    // F10 opens the first menu; the arrows go on from there.
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

void MainWindow::buildToolbar()
{
    auto* toolbar = addToolBar(QStringLiteral("Barre d'outils"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(40, 40));
    auto addButton = [toolbar](int picture, const QString& toolTip) {
        QAction* action = toolbar->addAction(QIcon(QStringLiteral(":/toolbar/%1.png").arg(picture)), toolTip);
        action->setToolTip(toolTip);
        toolbar->addSeparator();
        return action;
    };
    for (const ToolbarButton& button : toolbarButtons()) {
        QAction* action = addButton(button.identifier, button.toolTip);
        action->setData(button.identifier);
        connect(action, &QAction::triggered, this, [this, id = button.identifier] { dispatch(id); });
    }

    // Fill the rest of the bar with plain buttons, counting what each button and its separator
    // really take on screen so that the bar ends just short of the window's right edge.
    QAction* first = toolbar->actions().constFirst();
    const int spacing = toolbar->style()->pixelMetric(QStyle::PM_ToolBarItemSpacing, nullptr, toolbar);
    const int itemWidth = toolbar->widgetForAction(first)->sizeHint().width()
                          + toolbar->style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, nullptr, toolbar)
                          + 2 * spacing;
    const std::vector<int> placed(toolbarButtons().size(), itemWidth);
    const int innerWidth = screen()->availableGeometry().width();
    const int fillers = toolbarFillerCount(placed, itemWidth, innerWidth);
    for (int i = 0; i < fillers; ++i) addButton(TOOLBAR_FILLER_PICTURE, QString());
}

void MainWindow::dispatch(int identifier)
{
    const MainCommand command = mainCommand(identifier);
    if (command.target == MainTarget::EndProgram) {
        endProgram();
        return;
    }
    const auto procedure = procedures_.find(command.target);
    if (procedure != procedures_.end()) procedure->second(env_, command.tab);
}

void MainWindow::endProgram()
{
    ending_ = true;
    shutdownAndExit(env_);
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!ending_) {
        ending_ = true;
        shutdownAndExit(env_);
    }
    event->accept();
}
