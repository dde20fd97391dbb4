-- Schema of the system database "SYST_DB.sqlite" (read-only at run time).
-- Text keys compare case-insensitively, as the old engine did.
CREATE TABLE ARMILQRM (
  Gr        TEXT COLLATE NOCASE,
  BacTec    TEXT COLLATE NOCASE NOT NULL, -- class code Bac (4) + technology code Tec (4)
  X         TEXT COLLATE NOCASE,
  K1        REAL,                         -- complexity bound; rows of one BacTec ascend in K1
  Art       TEXT COLLATE NOCASE,          -- unit of K1: B bits, G gates, T transistors
  Armin     REAL,                         -- base failure rate, fit
  Armax     REAL,
  Tref      REAL,                         -- reference temperature, deg C
  Dcode     TEXT COLLATE NOCASE,          -- key of SINDAT
  Bacm      TEXT COLLATE NOCASE,          -- MIL-HDBK-217F model name(s)
  QRM       TEXT COLLATE NOCASE,
  Parameter TEXT COLLATE NOCASE,
  Txt       TEXT COLLATE NOCASE
);
CREATE INDEX ARMILQRM_BacTec ON ARMILQRM (BacTec, K1);
CREATE TABLE SINDAT (Dcode TEXT COLLATE NOCASE PRIMARY KEY, Daten TEXT);
CREATE TABLE SINNAME (BacTec TEXT COLLATE NOCASE PRIMARY KEY, N1 TEXT, N2 TEXT);
CREATE TABLE MILFITNAME (Bacm TEXT COLLATE NOCASE PRIMARY KEY, Fit TEXT, Name TEXT, Quelle TEXT);
CREATE TABLE MILFUNKT (Kl TEXT COLLATE NOCASE PRIMARY KEY, Param TEXT, Quelle TEXT);
CREATE TABLE GECRTH (
  Gec TEXT COLLATE NOCASE, Art TEXT COLLATE NOCASE, Arttext TEXT, Sort INTEGER, Pin INTEGER,
  Rthjamin REAL, Rthjamax REAL, Param TEXT, Her TEXT, Comment1 TEXT, Comment2 TEXT
);
CREATE INDEX GECRTH_Gec ON GECRTH (Gec, Pin);
CREATE TABLE ERWA (Fecode TEXT COLLATE NOCASE PRIMARY KEY, M1 TEXT, M2 TEXT);
-- AbkTxt is also read by field position: 2 x line + language holds the description
-- lines (lines 0..2, language 1 German / 2 English), position 7 the unit.
CREATE TABLE AbkTxt (
  Abk TEXT COLLATE NOCASE PRIMARY KEY,
  Z0D TEXT, Z0E TEXT, Z1D TEXT, Z1E TEXT, Z2D TEXT, Z2E TEXT,
  Einheit TEXT, Pop TEXT
);
