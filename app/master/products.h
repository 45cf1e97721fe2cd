#pragma once
// Products: the product tab of the tables window (list, create, change, delete) and the
// operations the documents use to create a product, its code or its family on the fly.

#include <QString>
#include <QStringList>

#include "common/amount.h"
#include "common/list_view.h"

struct Env;

// max(codeprod) + 1 as text ("1" for an empty table). 9999 marks summary rows, so it is never
// given to a product: the numbering goes on at 10000. Empty when the statement failed.
QString nextProductCode(Env& env);

// Inserts a product with the next code, an empty reference and an initial quantity of 0.
// Returns the new code, or an empty text when a statement failed.
QString createProductFromDocument(Env& env, const QString& family, const QString& designation, const QString& unit,
                                  Amount purchasePrice, Amount retailPrice, Amount wholesalePrice);

// Adds the family to ffam unless it is there already (an empty family is stored like any other).
// False when a statement failed.
bool addFamilyIfNew(Env& env, const QString& family);

// The entry fields of the product tab, in Return order.
enum class ProductField {
    None,
    Family,
    Designation,
    Unit,
    InitialQuantity,
    PurchasePrice,
    RetailPrice,
    WholesalePrice,
};

// The order of the product list; None keeps the order it has.
enum class ProductSort { None, Code, Family, Designation };

// Columns of the product list.
enum ProductColumn {
    PRODUCT_CODE,
    PRODUCT_FAMILY,
    PRODUCT_DESIGNATION,
    PRODUCT_UNIT,
    PRODUCT_INITIAL_QUANTITY,
    PRODUCT_PURCHASE_PRICE,
    PRODUCT_RETAIL_PRICE,
    PRODUCT_WHOLESALE_PRICE,
    PRODUCT_COLUMN_COUNT
};

inline const QString DEFAULT_UNIT = QStringLiteral("U");

struct ProductForm {
    QString code; // the read-only code label
    QString family;
    QString designation;
    QString unit = DEFAULT_UNIT;
    QString initialQuantity;
    QString purchasePrice;
    QString retailPrice;
    QString wholesalePrice;

    QStringList families;     // items of the family combo box
    QStringList designations; // items of the designation combo box
    ListView list;
    ProductSort sort = ProductSort::Designation;

    ProductField focus = ProductField::None; // where the keyboard focus goes next
    QString lastUnit = DEFAULT_UNIT;         // the unit most recently loaded or saved
};

// Fills the list in designation order, the designation and family combo boxes (the tab was
// selected while its list was empty).
void loadProductTab(Env& env, ProductForm& form);
// Reloads the list in the order of form.sort; with no option ticked the list stays as it is.
void sortProductList(Env& env, ProductForm& form);

// F6: empty form with the next code, focus on the family.
void newProduct(Env& env, ProductForm& form);
// F5: checks the fields, then updates or inserts the product and its family.
void saveProduct(Env& env, ProductForm& form);
// Alt+Delete: refuses a product used in a document, otherwise asks and deletes it.
void deleteProduct(Env& env, ProductForm& form);
// Return in an entry field: the next field, or the save in the last one.
void productReturnPressed(Env& env, ProductForm& form, ProductField from);

// A designation picked in its combo box: shows that product when it exists.
void pickProductDesignation(Env& env, ProductForm& form, const QString& designation);
// A click on a list row: the row's cells into the form, focus on the initial quantity.
void selectProductRow(ProductForm& form, int row);
// "Initialiser les champs de saisie...": empty fields, the last unit back.
void clearProductFields(ProductForm& form);
