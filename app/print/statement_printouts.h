#pragma once
// The printed account statements of a client-supplier and the printed global balance report:
// the list of their tab as shown.

class PrinterChoice;
struct Env;
struct GlobalBalancesForm;
struct StatementForm;

// "FICHE CLIENT-FOURNISSEUR (Détails)" and "FICHE CLIENT-FOURNISSEUR (Cumul)", under the name and
// the period typed on the tab.
void printDetailedStatement(Env& env, PrinterChoice& printers, const StatementForm& form);
void printCumulativeStatement(Env& env, PrinterChoice& printers, const StatementForm& form);

// "FICHE GLOBALE DES CREDITS", dated the day it is printed ("ARRETE AU : ").
void printGlobalBalances(Env& env, PrinterChoice& printers, const GlobalBalancesForm& form);
