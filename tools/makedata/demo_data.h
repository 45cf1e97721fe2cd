#pragma once
// Data sets that makedata adds to a freshly made Data folder.

struct Env;

// A small, realistic shop: families, products, clients and suppliers, and a few receptions and
// deliveries of the last weeks typed through the documents' own operations. False when a write
// failed.
bool addDemoData(Env& env);
