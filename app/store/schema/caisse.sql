-- Cash operations.
CREATE TABLE fcaisse (
  NumOp INTEGER,
  DateOp TEXT,
  DateNum INTEGER,
  rec INTEGER,
  dep INTEGER,
  obs TEXT
);
CREATE INDEX fcaisse_op ON fcaisse (NumOp);
CREATE INDEX fcaisse_date ON fcaisse (DateNum);
