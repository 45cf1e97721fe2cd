-- Products.
CREATE TABLE fprod (
  Codeprod INTEGER,
  fam TEXT,
  ref TEXT,
  Prod TEXT,
  Um TEXT,
  Qi INTEGER,
  Pa INTEGER,
  Pvd INTEGER,
  Pvg INTEGER
);
CREATE INDEX fprod_code ON fprod (Codeprod);
CREATE INDEX fprod_name ON fprod (Prod);
