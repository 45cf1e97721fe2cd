#pragma once
// Clients and suppliers: the client-supplier tab of the tables window (list, create, change,
// delete) and the operations the documents, journals and reports use to number, create and
// name a client-supplier.

#include <QString>
#include <QStringList>

#include "common/list_view.h"

struct Env;

// Relation letters of fCF.typecf.
inline const QString RELATION_CLIENT = QStringLiteral("C");
inline const QString RELATION_SUPPLIER = QStringLiteral("F");
inline const QString RELATION_BOTH = QStringLiteral("X");

// max(codeCF) + 1 as text ("1" for an empty table).
QString nextClientSupplierCode(Env& env);

// Inserts a client-supplier known only by its name: "x" in its six detail fields, an opening
// balance of 0 and the given relation letter. False when the insert failed.
bool createClientSupplierFromDocument(Env& env, const QString& code, const QString& name, const QString& relation);

// The name of a code, "inconnu" when no client-supplier has it.
QString clientSupplierName(Env& env, const QString& code);

// The entry fields of the client-supplier tab, in Return order.
enum class ClientSupplierField {
    None,
    Name,
    Address,
    Telephone,
    TradeRegister,
    TaxIdentification,
    TaxArticle,
    StatisticalNumber,
    OpeningBalance,
};

// The order of the list; None keeps the order it has.
enum class ClientSupplierSort { None, Code, Name };

// Columns of the client-supplier list (the columns of fCF, in the same order).
enum ClientSupplierColumn {
    CS_CODE,
    CS_NAME,
    CS_ADDRESS,
    CS_TELEPHONE,
    CS_TRADE_REGISTER,
    CS_TAX_IDENTIFICATION,
    CS_TAX_ARTICLE,
    CS_STATISTICAL_NUMBER,
    CS_OPENING_BALANCE,
    CS_RELATION,
    CS_COLUMN_COUNT
};

struct ClientSupplierForm {
    QString code; // the read-only code label
    QString name;
    QString address;
    QString telephone;
    QString tradeRegister;
    QString taxIdentification;
    QString taxArticle;
    QString statisticalNumber;
    QString openingBalance;
    QString relation = RELATION_CLIENT; // the ticked option: C, F or X

    QStringList names; // items of the name combo box
    ListView list;
    ClientSupplierSort sort = ClientSupplierSort::Name;

    ClientSupplierField focus = ClientSupplierField::None; // where the keyboard focus goes next
};

// Fills the list in name order and the name combo box (the tab was selected while its list
// was empty).
void loadClientSupplierTab(Env& env, ClientSupplierForm& form);
// Reloads the list in the order of form.sort; with no option ticked the list stays as it is.
void sortClientSupplierList(Env& env, ClientSupplierForm& form);

// F6: empty form with the next code.
void newClientSupplier(Env& env, ClientSupplierForm& form);
// F5: checks the fields (the name must be unused by another code), then updates or inserts.
void saveClientSupplier(Env& env, ClientSupplierForm& form);
// Alt+Delete: refuses a client-supplier used in a document or payment, otherwise asks and deletes.
void deleteClientSupplier(Env& env, ClientSupplierForm& form);
// Return in an entry field: the next field (after looking the name up), or the save in the last.
void clientSupplierReturnPressed(Env& env, ClientSupplierForm& form, ClientSupplierField from);

// Shows the client-supplier of that name when there is one.
void findClientSupplierByName(Env& env, ClientSupplierForm& form, const QString& name);
// A click on a list row: the row's cells into the form, focus on the address.
void selectClientSupplierRow(ClientSupplierForm& form, int row);
// "Initialiser les champs de saisie...": empties the text fields and the code.
void clearClientSupplierFields(ClientSupplierForm& form);
