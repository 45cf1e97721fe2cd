-- Sales invoices: line rows and one summary row (CodeProd 9999) per document.
CREATE TABLE facv (
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
  taux TEXT,
  tva INTEGER,
  timbre INTEGER,
  ttc INTEGER,
  modep TEXT
);
CREATE INDEX facv_doc ON facv (Numdoc, CodeProd);
CREATE INDEX facv_product ON facv (CodeProd);
CREATE INDEX facv_client ON facv (CodeCF);
CREATE INDEX facv_date ON facv (DateNum);
