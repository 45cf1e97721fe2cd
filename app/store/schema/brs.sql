-- Manual stock regularisations: line rows only.
CREATE TABLE fbrs (
  Numdoc INTEGER,
  DateDoc TEXT,
  DateNum INTEGER,
  codeProd INTEGER,
  qe INTEGER,
  qs INTEGER,
  obs TEXT
);
CREATE INDEX fbrs_doc ON fbrs (Numdoc, codeProd);
CREATE INDEX fbrs_stock ON fbrs (codeProd, qe, qs);
CREATE INDEX fbrs_date ON fbrs (DateNum);
