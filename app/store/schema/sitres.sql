-- Opening cash and bank balances (one row).
CREATE TABLE fSitres (
  sicaisse INTEGER,
  sibank INTEGER
);
