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
