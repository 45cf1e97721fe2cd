-- Deliveries to clients: line rows and one summary row (CodeProd 9999) per document.
CREATE TABLE fBL (
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
CREATE INDEX fBL_doc ON fBL (Numdoc, CodeProd, frais);
-- Covering indexes: a product's stock and a client-supplier's balance are sums over them.
CREATE INDEX fBL_stock ON fBL (CodeProd, Qte);
CREATE INDEX fBL_balance ON fBL (CodeCF, ht, ver, remise);
CREATE INDEX fBL_date ON fBL (DateNum);
-- The payments made with documents, by day: the cash and bank journals and positions read them
-- (a summary row with a payment), without the lines.
CREATE INDEX fBL_paid ON fBL (DateNum, modep, ver, Numdoc, DateDoc, CodeCF, ht, remise) WHERE ver > 0;
-- The rows that move a client-supplier's balance (the summary rows: lines carry no ht, discount
-- or payment), for the balances of every client-supplier at once.
CREATE INDEX fBL_account ON fBL (CodeCF, ht, ver, remise) WHERE ht <> 0 OR ver <> 0 OR remise <> 0;
