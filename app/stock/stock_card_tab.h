#pragma once
// The "FICHE DE STOCK" tab: one product's movements over a period.

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QToolButton;
class QTreeWidget;

class StockCardTab final : public QWidget {
    Q_OBJECT
public:
    explicit StockCardTab(QWidget* parent = nullptr);

    QLabel* title;
    QToolButton* closeButton;
    QComboBox* product; // "Nom du produit:"
    QDateEdit* from;    // "Période du: "
    QDateEdit* to;      // "au"
    QPushButton* printButton; // "(#F2) Imprimer"
    QPushButton* showButton;  // "(#F8) Afficher"
    // Columns "Date", " Doc.", " N° doc.", " Mouvement du stock", " Qté entrée", " Qté sortie", " Stock".
    QTreeWidget* lines;
};
