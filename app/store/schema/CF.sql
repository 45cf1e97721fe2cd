-- Clients and suppliers.
CREATE TABLE fCF (
  CodeCF INTEGER,
  CF TEXT,
  Ad TEXT,
  Tel TEXT,
  Rc TEXT,
  Mf TEXT,
  Art TEXT,
  Nis TEXT,
  Si INTEGER,
  typecf TEXT
);
CREATE INDEX fCF_code ON fCF (CodeCF);
CREATE INDEX fCF_name ON fCF (CF);
