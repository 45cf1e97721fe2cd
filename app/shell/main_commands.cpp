#include "shell/main_commands.h"

#include <numeric>

namespace {

// Identifiers first..last open `target` on tab firstTab + (identifier - first).
struct CommandRange {
    int first;
    int last;
    MainTarget target;
    int firstTab;
};

const CommandRange COMMANDS[] = {
    {1, 2, MainTarget::Tables, 0},
    {10, 18, MainTarget::Stock, 0},
    {20, 27, MainTarget::Treasury, 0},
    {31, 36, MainTarget::Journals, 0},
    {40, 44, MainTarget::Utilities, 0},
    {50, 50, MainTarget::Parameters, 0},
    {51, 51, MainTarget::Parameters, 0}, // the access codes are set in the parameters window
    {99, 99, MainTarget::EndProgram, 0},
    {100, 101, MainTarget::Tables, 0},
    {102, 107, MainTarget::Stock, 0},
    {108, 110, MainTarget::Treasury, 0},
    {111, 111, MainTarget::Treasury, 8}, // the treasury window's closing tab
    {112, 112, MainTarget::Journals, 0},
    {113, 116, MainTarget::Utilities, 0},
    {117, 117, MainTarget::Utilities, 4}, // screwdriver and wrench: the general check
    {118, 118, MainTarget::Utilities, 0}, // arrow into a tray: the backup
    {119, 119, MainTarget::EndProgram, 0},
};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace

MainCommand mainCommand(int identifier)
{
    for (const CommandRange& range : COMMANDS)
        if (identifier >= range.first && identifier <= range.last)
            return {range.target, range.firstTab + identifier - range.first};
    return {};
}

QString withoutMnemonic(const QString& text) { return QString(text).remove(u'&'); }

const std::vector<Menu>& mainMenus()
{
    static const std::vector<Menu> menus{
        {text("&Tables"), {{1, text("Table des &produits")}, {2, text("Table des &Clients-fournisseurs")}}},
        {text("&Mouvement du stock"),
         {{10, text("&Réceptions")},
          {11, text("&Livraisons")},
          {12, text("&Factures ventes")},
          {13, text("Facture &proforma")},
          {14, text("Ré&gularisation manuelle du stock (BRS)")},
          {0, {}},
          {15, text("&Journal de stock (pmp)")},
          {16, text("Journal de stock (prix de &vente)")},
          {0, {}},
          {17, text("Fiche de &stock")},
          {0, {}},
          {18, text("&Bon de commande")}}},
        {text("T&résorerie"),
         {{20, text("Opérations de &caisse")},
          {21, text("Opérations de &banque")},
          {0, {}},
          {22, text("Versements &reçus")},
          {23, text("Versements émi&s")},
          {0, {}},
          {24, text("Fiche Client-Fournisseur (&détails)")},
          {25, text("Fiche Client-Fournisseur (c&umuls)")},
          {26, text("&Etat global des soldes")},
          {0, {}},
          {27, text("&Marge bénéficiaire")}}},
        {text("&Journaux"),
         {{31, text("Journal des &réceptions")},
          {32, text("Journal des &livraisons")},
          {33, text("Journal des &factures")},
          {0, {}},
          {34, text("Journal de &caisse")},
          {35, text("Journal de &banque")},
          {0, {}},
          {36, text("Journal des &versements espèce")}}},
        {text("&Utilitaires"),
         {{40, text("&Sauvegarde")},
          {41, text("&Restauration")},
          {42, text("&Clôture de l'exercice")},
          {43, text("&Initialisation de fichiers")},
          {44, text("Contrôle &général")}}},
        {text("&Paramètres"),
         {{50, text("Paramètres de &gestion")}, {51, text("Paramètres de &sécurité")}, {0, {}}, {99, text("&Fin de session")}}},
    };
    return menus;
}

namespace {

// A button's tool tip is the text of the menu item that does the same; the treasury button,
// which opens that window on its closing tab, has no such item.
QString toolTipOf(int identifier)
{
    const MainCommand command = mainCommand(identifier);
    if (command.target == MainTarget::None) return {};
    for (const Menu& menu : mainMenus())
        for (const MenuItem& item : menu.items)
            if (item.identifier != 0 && mainCommand(item.identifier) == command) return withoutMnemonic(item.text);
    return text("Trésorerie");
}

} // namespace

const std::vector<ToolbarButton>& toolbarButtons()
{
    static const std::vector<ToolbarButton> buttons = [] {
        std::vector<ToolbarButton> list;
        for (int identifier = 100; identifier <= 120; ++identifier) list.push_back({identifier, toolTipOf(identifier)});
        return list;
    }();
    return buttons;
}

int toolbarFillerCount(const std::vector<int>& placedWidths, int fillerWidth, int innerWidth)
{
    if (fillerWidth <= 0) return 0;
    const int limit = innerWidth - 50;
    int placed = std::accumulate(placedWidths.begin(), placedWidths.end(), 0);
    int count = 0;
    for (; placed < limit; placed += fillerWidth) ++count;
    return count;
}
