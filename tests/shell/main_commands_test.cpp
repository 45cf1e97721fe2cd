// The main loop's dispatch table and the toolbar's filling.
#include <gtest/gtest.h>

#include "shell/main_commands.h"

TEST(MainCommand, SendsEachIdentifierToItsWindowAndTab)
{
    using T = MainTarget;
    const struct {
        int identifier;
        MainCommand expected;
    } cases[] = {
        {1, {T::Tables, 0}},      {2, {T::Tables, 1}},       {10, {T::Stock, 0}},      {14, {T::Stock, 4}},
        {18, {T::Stock, 8}},      {20, {T::Treasury, 0}},    {27, {T::Treasury, 7}},   {31, {T::Journals, 0}},
        {36, {T::Journals, 5}},   {40, {T::Utilities, 0}},   {44, {T::Utilities, 4}},  {50, {T::Parameters, 0}},
        {51, {T::Parameters, 0}},
        {99, {T::EndProgram, 0}}, {100, {T::Tables, 0}},     {101, {T::Tables, 1}},    {102, {T::Stock, 0}},
        {107, {T::Stock, 5}},     {108, {T::Treasury, 0}},   {110, {T::Treasury, 2}},  {111, {T::Treasury, 8}},
        {112, {T::Journals, 0}},  {113, {T::Utilities, 0}},  {116, {T::Utilities, 3}}, {117, {T::Utilities, 4}},
        {118, {T::Utilities, 0}}, {119, {T::EndProgram, 0}},
        // Nothing between the ranges, and the entries left without an action.
        {0, {}}, {3, {}}, {9, {}}, {19, {}}, {28, {}}, {30, {}}, {37, {}}, {45, {}}, {52, {}}, {98, {}},
        {120, {}}, {121, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(mainCommand(c.identifier), c.expected) << c.identifier;
}

TEST(MainCommand, EveryMenuItemAndToolbarButtonWithAnActionIsDispatched)
{
    for (const Menu& menu : mainMenus()) {
        for (const MenuItem& item : menu.items) {
            if (item.identifier != 0) {
                EXPECT_NE(mainCommand(item.identifier).target, MainTarget::None) << item.identifier;
            }
        }
    }
    int expected = 100;
    for (const ToolbarButton& button : toolbarButtons()) {
        EXPECT_EQ(button.identifier, expected++);
        // A tool tip promises an action, and an action has its tool tip.
        EXPECT_EQ(button.toolTip.isEmpty(), mainCommand(button.identifier).target == MainTarget::None) << button.identifier;
    }
    EXPECT_EQ(expected, 121);
    const std::vector<ToolbarButton>& buttons = toolbarButtons();
    EXPECT_EQ(buttons[1].toolTip, QString::fromUtf8("Table des Clients-fournisseurs"));
    EXPECT_EQ(buttons[7].toolTip, QString::fromUtf8("Journal de stock (pmp)"));
    EXPECT_EQ(buttons[10].toolTip, QString::fromUtf8("Versements reçus"));
    EXPECT_EQ(buttons[11].toolTip, QString::fromUtf8("Trésorerie"));
    EXPECT_EQ(buttons[16].toolTip, QString::fromUtf8("Initialisation de fichiers"));
    EXPECT_EQ(buttons[17].toolTip, QString::fromUtf8("Contrôle général"));
    EXPECT_EQ(buttons[18].toolTip, QString::fromUtf8("Sauvegarde"));
    EXPECT_EQ(buttons[19].toolTip, QString::fromUtf8("Fin de session"));
}

// Each menu has its own letter on the bar, and each item its own letter in its menu, so that the
// keyboard reaches every one of them.
TEST(MainMenus, EveryMenuAndItemHasALetterOfItsOwn)
{
    const auto letterOf = [](const QString& text) {
        const qsizetype mark = text.indexOf(u'&');
        return mark >= 0 && mark + 1 < text.size() ? text.at(mark + 1).toLower() : QChar();
    };
    QString titles;
    for (const Menu& menu : mainMenus()) {
        const QChar title = letterOf(menu.title);
        EXPECT_TRUE(title.isLetter() && !titles.contains(title)) << qUtf8Printable(menu.title);
        titles.append(title);
        QString items;
        for (const MenuItem& item : menu.items) {
            if (item.identifier == 0) continue;
            const QChar letter = letterOf(item.text);
            EXPECT_TRUE(letter.isLetter() && letter.unicode() < 128 && !items.contains(letter)) << qUtf8Printable(item.text);
            items.append(letter);
        }
    }
    EXPECT_EQ(withoutMnemonic(QStringLiteral("Versements émi&s")), QString::fromUtf8("Versements émis"));
}

TEST(ToolbarFiller, FillsUntilTheWidthsReachTheInnerWidthLessFifty)
{
    const std::vector<int> pictures(21, 40); // 840 pixels
    const struct {
        int innerWidth;
        int fillers;
    } cases[] = {
        {1366, 12}, // 840 + 12 x 40 = 1320 reaches 1316
        {1920, 26}, // 840 + 26 x 40 = 1880 reaches 1870
        {891, 1},   // 840 is still below 841
        {890, 0},   // 840 reaches 840: stop at once
        {800, 0},   // a narrow screen gets none
        {0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(toolbarFillerCount(pictures, 40, c.innerWidth), c.fillers) << c.innerWidth;
    EXPECT_EQ(toolbarFillerCount({}, 50, 250), 4);
    EXPECT_EQ(toolbarFillerCount(pictures, 0, 1366), 0);
}
