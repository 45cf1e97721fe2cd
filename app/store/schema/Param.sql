-- The parameters row: software access code, payment access code, default VAT rate,
-- delivery-note model and the default payment modes of receptions, deliveries and invoices.
CREATE TABLE FParam (
  MpUser TEXT,
  MpVer TEXT,
  TauxTva TEXT,
  Modelbl TEXT,
  ModepBr TEXT,
  ModepBl TEXT,
  ModepFac TEXT
);
