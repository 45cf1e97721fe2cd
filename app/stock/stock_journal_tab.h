#pragma once
// The two stock journal tabs: at the purchase price ("JOURNAL DE STOCK (PMP)", with a family
// box and a progress bar) and at the sale price ("JOURNAL DE STOCK (Prix de vente)").

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTreeWidget;

class StockJournalTab final : public QWidget {
    Q_OBJECT
public:
    enum class Valuation { PurchaseCost, SalePrice };
    StockJournalTab(Valuation valuation, const QString& openingDate, QWidget* parent = nullptr);

    QLabel* title;
    QToolButton* closeButton;
    QComboBox* family;      // "Famille:" (purchase-cost journal only, else null)
    QLabel* openingDate;    // under "ARRETE AU"
    QTreeWidget* lines;
    QPushButton* printButton; // "(#F2) Imprimer"
    QProgressBar* progress;   // purchase-cost journal only, else null
    QPushButton* showButton;  // "(#F8) Afficher"
    QCheckBox* showZeroStock; // "Afficher le stock nul"
    // "Trier la liste sur >>": exactly one is checked ("Désignation du produit" at opening).
    QCheckBox* sortByCode;
    QCheckBox* sortByDesignation;
    QCheckBox* sortByValue;

signals:
    // One of the sort boxes became checked (the other two were unchecked).
    void sortChosen();
};
