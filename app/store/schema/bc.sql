-- Purchase orders: line rows only.
CREATE TABLE fbc (
  Numdoc INTEGER,
  DateDoc TEXT,
  DateNum INTEGER,
  CodeCF INTEGER,
  CodeProd INTEGER,
  Um TEXT,
  Qte INTEGER,
  Pu INTEGER,
  Mnt INTEGER
);
CREATE INDEX fbc_doc ON fbc (Numdoc, CodeProd);
CREATE INDEX fbc_product ON fbc (CodeProd);
CREATE INDEX fbc_supplier ON fbc (CodeCF);
