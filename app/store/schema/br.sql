-- Receptions from suppliers: line rows and one summary row (CodeProd 9999) per document.
CREATE TABLE fBr (
  Numdoc INTEGER,
  DateDoc TEXT,
  DateNum INTEGER,
  CodeCF INTEGER,
  CodeProd INTEGER,
  Um TEXT,
  Qte INTEGER,
  Pu INTEGER,
  Mnt INTEGER,
  ht INTEGER,
  frais INTEGER,
  remise INTEGER,
  ttc INTEGER,
  modep TEXT,
  camion TEXT,
  chauf TEXT,
  ver INTEGER,
  lastsolde INTEGER,
  newsolde INTEGER
);
-- A document's rows; with CodeProd so that its summary row (9999) is found within the document,
-- not among the summary rows of every document.
CREATE INDEX fBr_doc ON fBr (Numdoc, CodeProd, frais);
-- Covering indexes: a product's stock and a client-supplier's balance are sums over them.
CREATE INDEX fBr_stock ON fBr (CodeProd, Qte);
CREATE INDEX fBr_balance ON fBr (CodeCF, ht, ver, remise);
CREATE INDEX fBr_date ON fBr (DateNum);
-- The payments made with documents, by day: the cash and bank journals and positions read them
-- (a summary row with a payment), without the lines.
CREATE INDEX fBr_paid ON fBr (DateNum, modep, ver, Numdoc, DateDoc, CodeCF, ht, remise) WHERE ver > 0;
-- The rows that move a client-supplier's balance (the summary rows: lines carry no ht, discount
-- or payment), for the balances of every client-supplier at once.
CREATE INDEX fBr_account ON fBr (CodeCF, ht, ver, remise) WHERE ht <> 0 OR ver <> 0 OR remise <> 0;
