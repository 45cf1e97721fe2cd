#pragma once
// The stock window opened on a Data folder with a product, a supplier and a client, driven by
// key presses and clicks as the user does; its prints are recorded.
#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include "recording_canvas.h"
#include "stock/note_tab.h"
#include "stock/stock_window.h"
#include "stock_fixture.h"

class StockWindowTest : public StockFixture {
protected:
    StockWindowTest()
    {
        addProduct(1, QStringLiteral("CIMENTERIE"), QStringLiteral("CIMENT 50KG"), QStringLiteral("SAC"), 1000, 85000, 98000, 93000);
        addClientSupplier(1, QStringLiteral("SARL ATLAS"), -100000, QStringLiteral("F"));
        addClientSupplier(2, QStringLiteral("BATIR PLUS"), 0, QStringLiteral("C"));
        LoadedParameters parameters;
        parameters.modepBr = QStringLiteral("A TERME");
        parameters.modepFac = QStringLiteral("ESPECE");
        parameters.tauxTva = QStringLiteral("19");
        env.setParameters(parameters);
        window.setPrinterChoice(&printers);
    }
    // Opens the window on a tab as openStockWindow does, without its loop.
    void open(int tab)
    {
        window.showOnTab(tab);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // A key pressed in the widget that has the focus, as the user does.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    void focus(QWidget* widget)
    {
        widget->setFocus();
        QApplication::processEvents();
    }
    bool hasFocus(QWidget* widget) const
    {
        QWidget* focused = QApplication::focusWidget();
        return focused && (focused == widget || widget->isAncestorOf(focused));
    }
    void selectTab(int index) { window.tabs()->setCurrentIndex(index); }

    // Where F2 and the print buttons go: recorded, never the print dialog.
    RecordingPrinterChoice printers;
    StockWindow window{env};
    ReceptionTab* reception = window.receptionTab();
};

