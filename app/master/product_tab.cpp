#include "master/product_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

#include "widgets/form_widgets.h"

namespace {

const QColor LIST_BACKGROUND(250, 231, 148);

} // namespace

ProductTab::ProductTab(Env& env, QWidget* parent)
    : FormTab(env,
              {loadProductTab, saveProduct, newProduct, deleteProduct, productReturnPressed, sortProductList,
               clearProductFields, pickProductDesignation, selectProductRow},
              parent),
      code_(codeLabel()),
      family_(upperCaseComboBox()),
      designation_(upperCaseComboBox()),
      unit_(new QLineEdit),
      initialQuantity_(amountEdit()),
      purchasePrice_(amountEdit()),
      retailPrice_(amountEdit()),
      wholesalePrice_(amountEdit()),
      list_(new QTreeWidget)
{
    makeUpperCase(unit_);
    family_->setMinimumWidth(300);
    designation_->setMinimumWidth(300);
    unit_->setFixedWidth(100);
    for (QLineEdit* amount : {initialQuantity_, purchasePrice_, retailPrice_, wholesalePrice_}) amount->setFixedWidth(130);
    fields_ = {{family_, ProductField::Family},
               {designation_, ProductField::Designation},
               {unit_, ProductField::Unit},
               {initialQuantity_, ProductField::InitialQuantity},
               {purchasePrice_, ProductField::PurchasePrice},
               {retailPrice_, ProductField::RetailPrice},
               {wholesalePrice_, ProductField::WholesalePrice}};

    auto* frame = new QGroupBox;
    auto* grid = new QGridLayout(frame);
    const std::pair<QString, QWidget*> left[] = {{QStringLiteral("Code interne:"), code_},
                                                 {QStringLiteral("Famille/Marque :"), family_},
                                                 {QStringLiteral("Désignation:"), designation_},
                                                 {QStringLiteral("Unité de mesure:"), unit_}};
    const std::pair<QString, QWidget*> right[] = {{QStringLiteral("Quantité initiale:"), initialQuantity_},
                                                  {QStringLiteral("Prix d'achat:"), purchasePrice_},
                                                  {QStringLiteral("Prix de vente détail:"), retailPrice_},
                                                  {QStringLiteral("Prix de vente en gros:"), wholesalePrice_}};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(fieldLabel(left[row].first, left[row].second), row, 0);
        grid->addWidget(left[row].second, row, 1, Qt::AlignLeft);
        grid->addWidget(fieldLabel(right[row].first, right[row].second), row, 3);
        grid->addWidget(right[row].second, row, 4);
    }
    grid->setColumnMinimumWidth(2, 40);
    auto* clear = clearButton();
    grid->addWidget(clear, 0, 5, 4, 1, Qt::AlignCenter);
    grid->setColumnStretch(6, 1);

    setupList(list_,
              {{QStringLiteral("Code"), 40},
               {QStringLiteral("Famille"), 200},
               {QStringLiteral("Désignation du produit"), 200},
               {QStringLiteral("U. M."), 60},
               {QStringLiteral("Qté initiale"), 70},
               {QStringLiteral("Prix d'achat"), 70},
               {QStringLiteral("P.Vente D."), 70},
               {QStringLiteral("P.Vente G."), 70}},
              LIST_BACKGROUND);

    buildTab(QStringLiteral("TABLE DES PRODUITS"), frame, QStringLiteral("(#F6) Nouveau produit"), clear, designation_,
             list_,
             {{new QCheckBox(QStringLiteral("Code produit")), ProductSort::Code},
              {new QCheckBox(QStringLiteral("Famille de produits")), ProductSort::Family},
              {new QCheckBox(QStringLiteral("Désignation du produit")), ProductSort::Designation}});
}

void ProductTab::pullFields()
{
    form_.code = code_->text();
    form_.family = family_->currentText();
    form_.designation = designation_->currentText();
    form_.unit = unit_->text();
    form_.initialQuantity = initialQuantity_->text();
    form_.purchasePrice = purchasePrice_->text();
    form_.retailPrice = retailPrice_->text();
    form_.wholesalePrice = wholesalePrice_->text();
}

void ProductTab::pushFields()
{
    code_->setText(form_.code);
    showCombo(family_, form_.families, form_.family);
    showCombo(designation_, form_.designations, form_.designation);
    showText(unit_, form_.unit);
    showText(initialQuantity_, form_.initialQuantity);
    showText(purchasePrice_, form_.purchasePrice);
    showText(retailPrice_, form_.retailPrice);
    showText(wholesalePrice_, form_.wholesalePrice);
}
