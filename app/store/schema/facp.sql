-- Proforma invoices: line rows and one summary row (CodeProd 9999) per document.
CREATE TABLE facp (
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
CREATE INDEX facp_doc ON facp (Numdoc, CodeProd);
CREATE INDEX facp_product ON facp (CodeProd);
CREATE INDEX facp_client ON facp (CodeCF);
CREATE INDEX facp_date ON facp (DateNum);
