-- Payments received from clients (fVerR) and issued to suppliers (fVerE).
CREATE TABLE fVerR (
  numdoc INTEGER,
  DateDoc TEXT,
  DateNum INTEGER,
  CodeCF INTEGER,
  Mnt INTEGER,
  Modep TEXT,
  obs TEXT
);
CREATE INDEX fVerR_doc ON fVerR (numdoc);
CREATE INDEX fVerR_balance ON fVerR (CodeCF, Mnt);
CREATE INDEX fVerR_date ON fVerR (DateNum);
CREATE TABLE fVerE (
  numdoc INTEGER,
  DateDoc TEXT,
  DateNum INTEGER,
  CodeCF INTEGER,
  Mnt INTEGER,
  Modep TEXT,
  obs TEXT
);
CREATE INDEX fVerE_doc ON fVerE (numdoc);
CREATE INDEX fVerE_balance ON fVerE (CodeCF, Mnt);
CREATE INDEX fVerE_date ON fVerE (DateNum);
