-- Bank operations.
CREATE TABLE fbank (
  NumOp INTEGER,
  DateOp TEXT,
  DateNum INTEGER,
  rec INTEGER,
  dep INTEGER,
  ref TEXT
);
CREATE INDEX fbank_op ON fbank (NumOp);
CREATE INDEX fbank_date ON fbank (DateNum);
