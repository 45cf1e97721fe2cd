-- Product families.
CREATE TABLE ffam (
  fam TEXT
);
CREATE INDEX ffam_name ON ffam (fam);
