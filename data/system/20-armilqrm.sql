-- Failure-rate list ARMILQRM of the system database.
--
-- Demo installation: the rates and norm parameters are representative values
-- chosen for a demonstration of the program, not reference data of the norm.
-- Replace them by the values of the norm edition in use before predictions
-- are relied on.
--
-- One row per class code Bac and technology Tec (the eighth character is the
-- housing digit, found by the one-character wildcard of the look-up); integrated
-- circuits have one row per complexity band K1 (Art: B bits, G gates,
-- T transistors). Armin/Armax in fit at the reference temperature Tref (degC);
-- Dcode names the norm parameter record in SINDAT; Bacm the MIL-HDBK-217F model.
-- Parameter lists the MIL-HDBK-217F parameters of the class for the editors,
-- QRM the stress and quality keys the class's models use (A/B: either key).

-- 1110 Read-only memory ROM bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('11', '11101000',      16000, 'B',      3,      9,  55, '1110' , '1MEMBIPROM16K'  , 'Read-only memory ROM bipolar'),
  ('11', '11101000',      64000, 'B',    4.8,   14.4,  55, '1110' , '1MEMBIPROM64K'  , 'Read-only memory ROM bipolar'),
  ('11', '11101000',     256000, 'B',   7.68,     23,  55, '1110' , '1MEMBIPROM256K' , 'Read-only memory ROM bipolar'),
  ('11', '11101000',    1000000, 'B',   12.3,   36.9,  55, '1110' , '1MEMBIPROM1M'   , 'Read-only memory ROM bipolar'),
  ('11', '11101000',    4000000, 'B',   19.7,     59,  55, '1110' , '1MEMBIPROM1M'   , 'Read-only memory ROM bipolar'),
  ('11', '11101000',   16000000, 'B',   31.5,   94.4,  55, '1110' , '1MEMBIPROM1M'   , 'Read-only memory ROM bipolar'),
  ('11', '11101000',   64000000, 'B',   50.3,    151,  55, '1110' , '1MEMBIPROM1M'   , 'Read-only memory ROM bipolar'),
  ('11', '11101000',  256000000, 'B',   80.5,    242,  55, '1110' , '1MEMBIPROM1M'   , 'Read-only memory ROM bipolar'),
  ('11', '11101000', 1000000000, 'B',    129,    387,  55, '1110' , '1MEMBIPROM1M'   , 'Read-only memory ROM bipolar'),
  ('11', '11104000',      16000, 'B',      2,      6,  55, '1110' , '1MEMROM16K'     , 'Read-only memory ROM CMOS'),
  ('11', '11104000',      64000, 'B',    3.2,    9.6,  55, '1110' , '1MEMROM64K'     , 'Read-only memory ROM CMOS'),
  ('11', '11104000',     256000, 'B',   5.12,   15.4,  55, '1110' , '1MEMROM256K'    , 'Read-only memory ROM CMOS'),
  ('11', '11104000',    1000000, 'B',   8.19,   24.6,  55, '1110' , '1MEMROM1M'      , 'Read-only memory ROM CMOS'),
  ('11', '11104000',    4000000, 'B',   13.1,   39.3,  55, '1110' , '1MEMROM1M'      , 'Read-only memory ROM CMOS'),
  ('11', '11104000',   16000000, 'B',     21,   62.9,  55, '1110' , '1MEMROM1M'      , 'Read-only memory ROM CMOS'),
  ('11', '11104000',   64000000, 'B',   33.6,    101,  55, '1110' , '1MEMROM1M'      , 'Read-only memory ROM CMOS'),
  ('11', '11104000',  256000000, 'B',   53.7,    161,  55, '1110' , '1MEMROM1M'      , 'Read-only memory ROM CMOS'),
  ('11', '11104000', 1000000000, 'B',   85.9,    258,  55, '1110' , '1MEMROM1M'      , 'Read-only memory ROM CMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1110%';

-- 1120 Programmable read-only memory PROM/EPROM bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('11', '11201000',      16000, 'B',   3.75,   11.2,  55, '1120' , '1MEMBIPROM16K'  , 'Programmable read-only memory PROM/EPROM bipolar'),
  ('11', '11201000',      64000, 'B',      6,     18,  55, '1120' , '1MEMBIPROM64K'  , 'Programmable read-only memory PROM/EPROM bipolar'),
  ('11', '11201000',     256000, 'B',    9.6,   28.8,  55, '1120' , '1MEMBIPROM256K' , 'Programmable read-only memory PROM/EPROM bipolar'),
  ('11', '11201000',    1000000, 'B',   15.4,   46.1,  55, '1120' , '1MEMBIPROM1M'   , 'Programmable read-only memory PROM/EPROM bipolar'),
  ('11', '11201000',    4000000, 'B',   24.6,   73.7,  55, '1120' , '1MEMBIPROM1M'   , 'Programmable read-only memory PROM/EPROM bipolar'),
  ('11', '11201000',   16000000, 'B',   39.3,    118,  55, '1120' , '1MEMBIPROM1M'   , 'Programmable read-only memory PROM/EPROM bipolar'),
  ('11', '11201000',   64000000, 'B',   62.9,    189,  55, '1120' , '1MEMBIPROM1M'   , 'Programmable read-only memory PROM/EPROM bipolar'),
  ('11', '11201000',  256000000, 'B',    101,    302,  55, '1120' , '1MEMBIPROM1M'   , 'Programmable read-only memory PROM/EPROM bipolar'),
  ('11', '11201000', 1000000000, 'B',    161,    483,  55, '1120' , '1MEMBIPROM1M'   , 'Programmable read-only memory PROM/EPROM bipolar'),
  ('11', '11204010',      16000, 'B',    2.5,    7.5,  55, '1120' , '1MEMPROM16K'    , 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles'),
  ('11', '11204010',      64000, 'B',      4,     12,  55, '1120' , '1MEMPROM64K'    , 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles'),
  ('11', '11204010',     256000, 'B',    6.4,   19.2,  55, '1120' , '1MEMPROM256K'   , 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles'),
  ('11', '11204010',    1000000, 'B',   10.2,   30.7,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles'),
  ('11', '11204010',    4000000, 'B',   16.4,   49.2,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles'),
  ('11', '11204010',   16000000, 'B',   26.2,   78.6,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles'),
  ('11', '11204010',   64000000, 'B',   41.9,    126,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles'),
  ('11', '11204010',  256000000, 'B',   67.1,    201,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles'),
  ('11', '11204010', 1000000000, 'B',    107,    322,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles'),
  ('11', '11204020',      16000, 'B',    2.5,    7.5,  55, '1120' , '1MEMPROM16K'    , 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles'),
  ('11', '11204020',      64000, 'B',      4,     12,  55, '1120' , '1MEMPROM64K'    , 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles'),
  ('11', '11204020',     256000, 'B',    6.4,   19.2,  55, '1120' , '1MEMPROM256K'   , 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles'),
  ('11', '11204020',    1000000, 'B',   10.2,   30.7,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles'),
  ('11', '11204020',    4000000, 'B',   16.4,   49.2,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles'),
  ('11', '11204020',   16000000, 'B',   26.2,   78.6,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles'),
  ('11', '11204020',   64000000, 'B',   41.9,    126,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles'),
  ('11', '11204020',  256000000, 'B',   67.1,    201,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles'),
  ('11', '11204020', 1000000000, 'B',    107,    322,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles'),
  ('11', '11204030',      16000, 'B',    2.5,    7.5,  55, '1120' , '1MEMPROM16K'    , 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles'),
  ('11', '11204030',      64000, 'B',      4,     12,  55, '1120' , '1MEMPROM64K'    , 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles'),
  ('11', '11204030',     256000, 'B',    6.4,   19.2,  55, '1120' , '1MEMPROM256K'   , 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles'),
  ('11', '11204030',    1000000, 'B',   10.2,   30.7,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles'),
  ('11', '11204030',    4000000, 'B',   16.4,   49.2,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles'),
  ('11', '11204030',   16000000, 'B',   26.2,   78.6,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles'),
  ('11', '11204030',   64000000, 'B',   41.9,    126,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles'),
  ('11', '11204030',  256000000, 'B',   67.1,    201,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles'),
  ('11', '11204030', 1000000000, 'B',    107,    322,  55, '1120' , '1MEMPROM1M'     , 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1120%';

-- 1130 Dynamic RAM CMOS
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('11', '11304000',      16000, 'B',      4,     12,  55, '1130' , '1MEMDRAM16K'    , 'Dynamic RAM CMOS'),
  ('11', '11304000',      64000, 'B',    6.4,   19.2,  55, '1130' , '1MEMDRAM64K'    , 'Dynamic RAM CMOS'),
  ('11', '11304000',     256000, 'B',   10.2,   30.7,  55, '1130' , '1MEMDRAM256K'   , 'Dynamic RAM CMOS'),
  ('11', '11304000',    1000000, 'B',   16.4,   49.2,  55, '1130' , '1MEMDRAM1M'     , 'Dynamic RAM CMOS'),
  ('11', '11304000',    4000000, 'B',   26.2,   78.6,  55, '1130' , '1MEMDRAM1M'     , 'Dynamic RAM CMOS'),
  ('11', '11304000',   16000000, 'B',   41.9,    126,  55, '1130' , '1MEMDRAM1M'     , 'Dynamic RAM CMOS'),
  ('11', '11304000',   64000000, 'B',   67.1,    201,  55, '1130' , '1MEMDRAM1M'     , 'Dynamic RAM CMOS'),
  ('11', '11304000',  256000000, 'B',    107,    322,  55, '1130' , '1MEMDRAM1M'     , 'Dynamic RAM CMOS'),
  ('11', '11304000', 1000000000, 'B',    172,    515,  55, '1130' , '1MEMDRAM1M'     , 'Dynamic RAM CMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1130%';

-- 1140 Static RAM bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('11', '11401000',      16000, 'B',    7.5,   22.5,  55, '1140' , '1MEMBIPSRAM16K' , 'Static RAM bipolar'),
  ('11', '11401000',      64000, 'B',     12,     36,  55, '1140' , '1MEMBIPSRAM64K' , 'Static RAM bipolar'),
  ('11', '11401000',     256000, 'B',   19.2,   57.6,  55, '1140' , '1MEMBIPSRAM256K', 'Static RAM bipolar'),
  ('11', '11401000',    1000000, 'B',   30.7,   92.2,  55, '1140' , '1MEMBIPSRAM1M'  , 'Static RAM bipolar'),
  ('11', '11401000',    4000000, 'B',   49.2,    147,  55, '1140' , '1MEMBIPSRAM1M'  , 'Static RAM bipolar'),
  ('11', '11401000',   16000000, 'B',   78.6,    236,  55, '1140' , '1MEMBIPSRAM1M'  , 'Static RAM bipolar'),
  ('11', '11401000',   64000000, 'B',    126,    377,  55, '1140' , '1MEMBIPSRAM1M'  , 'Static RAM bipolar'),
  ('11', '11401000',  256000000, 'B',    201,    604,  55, '1140' , '1MEMBIPSRAM1M'  , 'Static RAM bipolar'),
  ('11', '11401000', 1000000000, 'B',    322,    966,  55, '1140' , '1MEMBIPSRAM1M'  , 'Static RAM bipolar'),
  ('11', '11404000',      16000, 'B',      5,     15,  55, '1140' , '1MEMSRAM16K'    , 'Static RAM CMOS'),
  ('11', '11404000',      64000, 'B',      8,     24,  55, '1140' , '1MEMSRAM64K'    , 'Static RAM CMOS'),
  ('11', '11404000',     256000, 'B',   12.8,   38.4,  55, '1140' , '1MEMSRAM256K'   , 'Static RAM CMOS'),
  ('11', '11404000',    1000000, 'B',   20.5,   61.4,  55, '1140' , '1MEMSRAM1M'     , 'Static RAM CMOS'),
  ('11', '11404000',    4000000, 'B',   32.8,   98.3,  55, '1140' , '1MEMSRAM1M'     , 'Static RAM CMOS'),
  ('11', '11404000',   16000000, 'B',   52.4,    157,  55, '1140' , '1MEMSRAM1M'     , 'Static RAM CMOS'),
  ('11', '11404000',   64000000, 'B',   83.9,    252,  55, '1140' , '1MEMSRAM1M'     , 'Static RAM CMOS'),
  ('11', '11404000',  256000000, 'B',    134,    403,  55, '1140' , '1MEMSRAM1M'     , 'Static RAM CMOS'),
  ('11', '11404000', 1000000000, 'B',    215,    644,  55, '1140' , '1MEMSRAM1M'     , 'Static RAM CMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1140%';

-- 1160 Electrically erasable memory EEPROM/flash CMOS
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('11', '11604000',      16000, 'B',      3,      9,  55, '1160' , '1MEMPROM16K'    , 'Electrically erasable memory EEPROM/flash CMOS'),
  ('11', '11604000',      64000, 'B',    4.8,   14.4,  55, '1160' , '1MEMPROM64K'    , 'Electrically erasable memory EEPROM/flash CMOS'),
  ('11', '11604000',     256000, 'B',   7.68,     23,  55, '1160' , '1MEMPROM256K'   , 'Electrically erasable memory EEPROM/flash CMOS'),
  ('11', '11604000',    1000000, 'B',   12.3,   36.9,  55, '1160' , '1MEMPROM1M'     , 'Electrically erasable memory EEPROM/flash CMOS'),
  ('11', '11604000',    4000000, 'B',   19.7,     59,  55, '1160' , '1MEMPROM1M'     , 'Electrically erasable memory EEPROM/flash CMOS'),
  ('11', '11604000',   16000000, 'B',   31.5,   94.4,  55, '1160' , '1MEMPROM1M'     , 'Electrically erasable memory EEPROM/flash CMOS'),
  ('11', '11604000',   64000000, 'B',   50.3,    151,  55, '1160' , '1MEMPROM1M'     , 'Electrically erasable memory EEPROM/flash CMOS'),
  ('11', '11604000',  256000000, 'B',   80.5,    242,  55, '1160' , '1MEMPROM1M'     , 'Electrically erasable memory EEPROM/flash CMOS'),
  ('11', '11604000', 1000000000, 'B',    129,    387,  55, '1160' , '1MEMPROM1M'     , 'Electrically erasable memory EEPROM/flash CMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1160%';

-- 1210 Microprocessor bipolar TTL
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('12', '12101000',          8, 'B',     20,     60,  55, '1210' , '1MPBIP8'        , 'Microprocessor bipolar TTL'),
  ('12', '12101000',         16, 'B',     40,    120,  55, '1210' , '1MPBIP16'       , 'Microprocessor bipolar TTL'),
  ('12', '12101000',         32, 'B',     80,    240,  55, '1210' , '1MPBIP32'       , 'Microprocessor bipolar TTL'),
  ('12', '12101000',         64, 'B',    160,    480,  55, '1210' , '1MPBIP32'       , 'Microprocessor bipolar TTL'),
  ('12', '12104000',          8, 'B',     20,     60,  55, '1210' , '1MPMOS8'        , 'Microprocessor CMOS'),
  ('12', '12104000',         16, 'B',     40,    120,  55, '1210' , '1MPMOS16'       , 'Microprocessor CMOS'),
  ('12', '12104000',         32, 'B',     80,    240,  55, '1210' , '1MPMOS32'       , 'Microprocessor CMOS'),
  ('12', '12104000',         64, 'B',    160,    480,  55, '1210' , '1MPMOS32'       , 'Microprocessor CMOS'),
  ('12', '12105000',          8, 'B',     20,     60,  55, '1210' , '1MPMOS8'        , 'Microprocessor BiCMOS'),
  ('12', '12105000',         16, 'B',     40,    120,  55, '1210' , '1MPMOS16'       , 'Microprocessor BiCMOS'),
  ('12', '12105000',         32, 'B',     80,    240,  55, '1210' , '1MPMOS32'       , 'Microprocessor BiCMOS'),
  ('12', '12105000',         64, 'B',    160,    480,  55, '1210' , '1MPMOS32'       , 'Microprocessor BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,K2', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1210%';

-- 1220 Microcontroller bipolar TTL
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('12', '12201000',          8, 'B',     25,     75,  55, '1220' , '1MPBIP8'        , 'Microcontroller bipolar TTL'),
  ('12', '12201000',         16, 'B',     50,    150,  55, '1220' , '1MPBIP16'       , 'Microcontroller bipolar TTL'),
  ('12', '12201000',         32, 'B',    100,    300,  55, '1220' , '1MPBIP32'       , 'Microcontroller bipolar TTL'),
  ('12', '12201000',         64, 'B',    200,    600,  55, '1220' , '1MPBIP32'       , 'Microcontroller bipolar TTL'),
  ('12', '12204000',          8, 'B',     25,     75,  55, '1220' , '1MPMOS8'        , 'Microcontroller CMOS'),
  ('12', '12204000',         16, 'B',     50,    150,  55, '1220' , '1MPMOS16'       , 'Microcontroller CMOS'),
  ('12', '12204000',         32, 'B',    100,    300,  55, '1220' , '1MPMOS32'       , 'Microcontroller CMOS'),
  ('12', '12204000',         64, 'B',    200,    600,  55, '1220' , '1MPMOS32'       , 'Microcontroller CMOS'),
  ('12', '12205000',          8, 'B',     25,     75,  55, '1220' , '1MPMOS8'        , 'Microcontroller BiCMOS'),
  ('12', '12205000',         16, 'B',     50,    150,  55, '1220' , '1MPMOS16'       , 'Microcontroller BiCMOS'),
  ('12', '12205000',         32, 'B',    100,    300,  55, '1220' , '1MPMOS32'       , 'Microcontroller BiCMOS'),
  ('12', '12205000',         64, 'B',    200,    600,  55, '1220' , '1MPMOS32'       , 'Microcontroller BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,K2', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1220%';

-- 1230 Digital signal processor bipolar TTL
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('12', '12301000',          8, 'B',     30,     90,  55, '1230' , '1MPBIP8'        , 'Digital signal processor bipolar TTL'),
  ('12', '12301000',         16, 'B',     60,    180,  55, '1230' , '1MPBIP16'       , 'Digital signal processor bipolar TTL'),
  ('12', '12301000',         32, 'B',    120,    360,  55, '1230' , '1MPBIP32'       , 'Digital signal processor bipolar TTL'),
  ('12', '12301000',         64, 'B',    240,    720,  55, '1230' , '1MPBIP32'       , 'Digital signal processor bipolar TTL'),
  ('12', '12304000',          8, 'B',     30,     90,  55, '1230' , '1MPMOS8'        , 'Digital signal processor CMOS'),
  ('12', '12304000',         16, 'B',     60,    180,  55, '1230' , '1MPMOS16'       , 'Digital signal processor CMOS'),
  ('12', '12304000',         32, 'B',    120,    360,  55, '1230' , '1MPMOS32'       , 'Digital signal processor CMOS'),
  ('12', '12304000',         64, 'B',    240,    720,  55, '1230' , '1MPMOS32'       , 'Digital signal processor CMOS'),
  ('12', '12305000',          8, 'B',     30,     90,  55, '1230' , '1MPMOS8'        , 'Digital signal processor BiCMOS'),
  ('12', '12305000',         16, 'B',     60,    180,  55, '1230' , '1MPMOS16'       , 'Digital signal processor BiCMOS'),
  ('12', '12305000',         32, 'B',    120,    360,  55, '1230' , '1MPMOS32'       , 'Digital signal processor BiCMOS'),
  ('12', '12305000',         64, 'B',    240,    720,  55, '1230' , '1MPMOS32'       , 'Digital signal processor BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,K2', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1230%';

-- 1260 Peripheral IC bipolar TTL
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('12', '12601000',        100, 'G',      4,     12,  55, '1260' , '1DIGBIP100'     , 'Peripheral IC bipolar TTL'),
  ('12', '12601000',       1000, 'G',    7.2,   21.6,  55, '1260' , '1DIGBIP1K'      , 'Peripheral IC bipolar TTL'),
  ('12', '12601000',       3000, 'G',     13,   38.9,  55, '1260' , '1DIGBIP3K'      , 'Peripheral IC bipolar TTL'),
  ('12', '12601000',      10000, 'G',   23.3,     70,  55, '1260' , '1DIGBIP10K'     , 'Peripheral IC bipolar TTL'),
  ('12', '12601000',      30000, 'G',     42,    126,  55, '1260' , '1DIGBIP30K'     , 'Peripheral IC bipolar TTL'),
  ('12', '12601000',      60000, 'G',   75.6,    227,  55, '1260' , '1DIGBIP60K'     , 'Peripheral IC bipolar TTL'),
  ('12', '12601000',    1000000, 'G',    136,    408,  55, '1260' , '1DIGBIP60K'     , 'Peripheral IC bipolar TTL'),
  ('12', '12601000',  100000000, 'G',    245,    735,  55, '1260' , '1DIGBIP60K'     , 'Peripheral IC bipolar TTL'),
  ('12', '12604000',        100, 'G',      4,     12,  55, '1260' , '1DIGMOS100'     , 'Peripheral IC CMOS'),
  ('12', '12604000',       1000, 'G',    7.2,   21.6,  55, '1260' , '1DIGMOS1K'      , 'Peripheral IC CMOS'),
  ('12', '12604000',       3000, 'G',     13,   38.9,  55, '1260' , '1DIGMOS3K'      , 'Peripheral IC CMOS'),
  ('12', '12604000',      10000, 'G',   23.3,     70,  55, '1260' , '1DIGMOS10K'     , 'Peripheral IC CMOS'),
  ('12', '12604000',      30000, 'G',     42,    126,  55, '1260' , '1DIGMOS30K'     , 'Peripheral IC CMOS'),
  ('12', '12604000',      60000, 'G',   75.6,    227,  55, '1260' , '1DIGMOS60K'     , 'Peripheral IC CMOS'),
  ('12', '12604000',    1000000, 'G',    136,    408,  55, '1260' , '1VLOGIC'        , 'Peripheral IC CMOS'),
  ('12', '12604000',  100000000, 'G',    245,    735,  55, '1260' , '1VLOGIC'        , 'Peripheral IC CMOS'),
  ('12', '12605000',        100, 'G',      4,     12,  55, '1260' , '1DIGMOS100'     , 'Peripheral IC BiCMOS'),
  ('12', '12605000',       1000, 'G',    7.2,   21.6,  55, '1260' , '1DIGMOS1K'      , 'Peripheral IC BiCMOS'),
  ('12', '12605000',       3000, 'G',     13,   38.9,  55, '1260' , '1DIGMOS3K'      , 'Peripheral IC BiCMOS'),
  ('12', '12605000',      10000, 'G',   23.3,     70,  55, '1260' , '1DIGMOS10K'     , 'Peripheral IC BiCMOS'),
  ('12', '12605000',      30000, 'G',     42,    126,  55, '1260' , '1DIGMOS30K'     , 'Peripheral IC BiCMOS'),
  ('12', '12605000',      60000, 'G',   75.6,    227,  55, '1260' , '1DIGMOS60K'     , 'Peripheral IC BiCMOS'),
  ('12', '12605000',    1000000, 'G',    136,    408,  55, '1260' , '1VLOGIC'        , 'Peripheral IC BiCMOS'),
  ('12', '12605000',  100000000, 'G',    245,    735,  55, '1260' , '1VLOGIC'        , 'Peripheral IC BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1260%';

-- 1310 Gate array/ASIC bipolar TTL
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('13', '13101000',        100, 'G',      5,     15,  55, '1310' , '1DIGBIP100'     , 'Gate array/ASIC bipolar TTL'),
  ('13', '13101000',       1000, 'G',      9,     27,  55, '1310' , '1DIGBIP1K'      , 'Gate array/ASIC bipolar TTL'),
  ('13', '13101000',       3000, 'G',   16.2,   48.6,  55, '1310' , '1DIGBIP3K'      , 'Gate array/ASIC bipolar TTL'),
  ('13', '13101000',      10000, 'G',   29.2,   87.5,  55, '1310' , '1DIGBIP10K'     , 'Gate array/ASIC bipolar TTL'),
  ('13', '13101000',      30000, 'G',   52.5,    157,  55, '1310' , '1DIGBIP30K'     , 'Gate array/ASIC bipolar TTL'),
  ('13', '13101000',      60000, 'G',   94.5,    283,  55, '1310' , '1DIGBIP60K'     , 'Gate array/ASIC bipolar TTL'),
  ('13', '13101000',    1000000, 'G',    170,    510,  55, '1310' , '1DIGBIP60K'     , 'Gate array/ASIC bipolar TTL'),
  ('13', '13101000',  100000000, 'G',    306,    918,  55, '1310' , '1DIGBIP60K'     , 'Gate array/ASIC bipolar TTL'),
  ('13', '13102000',        100, 'G',      5,     15,  55, '1310' , '1DIGBIP100'     , 'Gate array/ASIC bipolar ECL'),
  ('13', '13102000',       1000, 'G',      9,     27,  55, '1310' , '1DIGBIP1K'      , 'Gate array/ASIC bipolar ECL'),
  ('13', '13102000',       3000, 'G',   16.2,   48.6,  55, '1310' , '1DIGBIP3K'      , 'Gate array/ASIC bipolar ECL'),
  ('13', '13102000',      10000, 'G',   29.2,   87.5,  55, '1310' , '1DIGBIP10K'     , 'Gate array/ASIC bipolar ECL'),
  ('13', '13102000',      30000, 'G',   52.5,    157,  55, '1310' , '1DIGBIP30K'     , 'Gate array/ASIC bipolar ECL'),
  ('13', '13102000',      60000, 'G',   94.5,    283,  55, '1310' , '1DIGBIP60K'     , 'Gate array/ASIC bipolar ECL'),
  ('13', '13102000',    1000000, 'G',    170,    510,  55, '1310' , '1DIGBIP60K'     , 'Gate array/ASIC bipolar ECL'),
  ('13', '13102000',  100000000, 'G',    306,    918,  55, '1310' , '1DIGBIP60K'     , 'Gate array/ASIC bipolar ECL'),
  ('13', '13103000',        100, 'G',      5,     15,  55, '1310' , '1DIGMOS100'     , 'Gate array/ASIC NMOS'),
  ('13', '13103000',       1000, 'G',      9,     27,  55, '1310' , '1DIGMOS1K'      , 'Gate array/ASIC NMOS'),
  ('13', '13103000',       3000, 'G',   16.2,   48.6,  55, '1310' , '1DIGMOS3K'      , 'Gate array/ASIC NMOS'),
  ('13', '13103000',      10000, 'G',   29.2,   87.5,  55, '1310' , '1DIGMOS10K'     , 'Gate array/ASIC NMOS'),
  ('13', '13103000',      30000, 'G',   52.5,    157,  55, '1310' , '1DIGMOS30K'     , 'Gate array/ASIC NMOS'),
  ('13', '13103000',      60000, 'G',   94.5,    283,  55, '1310' , '1DIGMOS60K'     , 'Gate array/ASIC NMOS'),
  ('13', '13103000',    1000000, 'G',    170,    510,  55, '1310' , '1VGATEARR'      , 'Gate array/ASIC NMOS'),
  ('13', '13103000',  100000000, 'G',    306,    918,  55, '1310' , '1VGATEARR'      , 'Gate array/ASIC NMOS'),
  ('13', '13104000',        100, 'G',      5,     15,  55, '1310' , '1DIGMOS100'     , 'Gate array/ASIC CMOS'),
  ('13', '13104000',       1000, 'G',      9,     27,  55, '1310' , '1DIGMOS1K'      , 'Gate array/ASIC CMOS'),
  ('13', '13104000',       3000, 'G',   16.2,   48.6,  55, '1310' , '1DIGMOS3K'      , 'Gate array/ASIC CMOS'),
  ('13', '13104000',      10000, 'G',   29.2,   87.5,  55, '1310' , '1DIGMOS10K'     , 'Gate array/ASIC CMOS'),
  ('13', '13104000',      30000, 'G',   52.5,    157,  55, '1310' , '1DIGMOS30K'     , 'Gate array/ASIC CMOS'),
  ('13', '13104000',      60000, 'G',   94.5,    283,  55, '1310' , '1DIGMOS60K'     , 'Gate array/ASIC CMOS'),
  ('13', '13104000',    1000000, 'G',    170,    510,  55, '1310' , '1VGATEARR'      , 'Gate array/ASIC CMOS'),
  ('13', '13104000',  100000000, 'G',    306,    918,  55, '1310' , '1VGATEARR'      , 'Gate array/ASIC CMOS'),
  ('13', '13105000',        100, 'G',      5,     15,  55, '1310' , '1DIGMOS100'     , 'Gate array/ASIC BiCMOS'),
  ('13', '13105000',       1000, 'G',      9,     27,  55, '1310' , '1DIGMOS1K'      , 'Gate array/ASIC BiCMOS'),
  ('13', '13105000',       3000, 'G',   16.2,   48.6,  55, '1310' , '1DIGMOS3K'      , 'Gate array/ASIC BiCMOS'),
  ('13', '13105000',      10000, 'G',   29.2,   87.5,  55, '1310' , '1DIGMOS10K'     , 'Gate array/ASIC BiCMOS'),
  ('13', '13105000',      30000, 'G',   52.5,    157,  55, '1310' , '1DIGMOS30K'     , 'Gate array/ASIC BiCMOS'),
  ('13', '13105000',      60000, 'G',   94.5,    283,  55, '1310' , '1DIGMOS60K'     , 'Gate array/ASIC BiCMOS'),
  ('13', '13105000',    1000000, 'G',    170,    510,  55, '1310' , '1VGATEARR'      , 'Gate array/ASIC BiCMOS'),
  ('13', '13105000',  100000000, 'G',    306,    918,  55, '1310' , '1VGATEARR'      , 'Gate array/ASIC BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1310%';

-- 1312 Mixed-signal ASIC bipolar TTL
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('13', '13121000',        100, 'G',      6,     18,  55, '1312' , '1DIGBIP100'     , 'Mixed-signal ASIC bipolar TTL'),
  ('13', '13121000',       1000, 'G',   10.8,   32.4,  55, '1312' , '1DIGBIP1K'      , 'Mixed-signal ASIC bipolar TTL'),
  ('13', '13121000',       3000, 'G',   19.4,   58.3,  55, '1312' , '1DIGBIP3K'      , 'Mixed-signal ASIC bipolar TTL'),
  ('13', '13121000',      10000, 'G',     35,    105,  55, '1312' , '1DIGBIP10K'     , 'Mixed-signal ASIC bipolar TTL'),
  ('13', '13121000',      30000, 'G',     63,    189,  55, '1312' , '1DIGBIP30K'     , 'Mixed-signal ASIC bipolar TTL'),
  ('13', '13121000',      60000, 'G',    113,    340,  55, '1312' , '1DIGBIP60K'     , 'Mixed-signal ASIC bipolar TTL'),
  ('13', '13121000',    1000000, 'G',    204,    612,  55, '1312' , '1DIGBIP60K'     , 'Mixed-signal ASIC bipolar TTL'),
  ('13', '13121000',  100000000, 'G',    367,   1100,  55, '1312' , '1DIGBIP60K'     , 'Mixed-signal ASIC bipolar TTL'),
  ('13', '13124000',        100, 'G',      6,     18,  55, '1312' , '1DIGMOS100'     , 'Mixed-signal ASIC CMOS'),
  ('13', '13124000',       1000, 'G',   10.8,   32.4,  55, '1312' , '1DIGMOS1K'      , 'Mixed-signal ASIC CMOS'),
  ('13', '13124000',       3000, 'G',   19.4,   58.3,  55, '1312' , '1DIGMOS3K'      , 'Mixed-signal ASIC CMOS'),
  ('13', '13124000',      10000, 'G',     35,    105,  55, '1312' , '1DIGMOS10K'     , 'Mixed-signal ASIC CMOS'),
  ('13', '13124000',      30000, 'G',     63,    189,  55, '1312' , '1DIGMOS30K'     , 'Mixed-signal ASIC CMOS'),
  ('13', '13124000',      60000, 'G',    113,    340,  55, '1312' , '1DIGMOS60K'     , 'Mixed-signal ASIC CMOS'),
  ('13', '13124000',    1000000, 'G',    204,    612,  55, '1312' , '1VGATEARR'      , 'Mixed-signal ASIC CMOS'),
  ('13', '13124000',  100000000, 'G',    367,   1100,  55, '1312' , '1VGATEARR'      , 'Mixed-signal ASIC CMOS'),
  ('13', '13125000',        100, 'G',      6,     18,  55, '1312' , '1DIGMOS100'     , 'Mixed-signal ASIC BiCMOS'),
  ('13', '13125000',       1000, 'G',   10.8,   32.4,  55, '1312' , '1DIGMOS1K'      , 'Mixed-signal ASIC BiCMOS'),
  ('13', '13125000',       3000, 'G',   19.4,   58.3,  55, '1312' , '1DIGMOS3K'      , 'Mixed-signal ASIC BiCMOS'),
  ('13', '13125000',      10000, 'G',     35,    105,  55, '1312' , '1DIGMOS10K'     , 'Mixed-signal ASIC BiCMOS'),
  ('13', '13125000',      30000, 'G',     63,    189,  55, '1312' , '1DIGMOS30K'     , 'Mixed-signal ASIC BiCMOS'),
  ('13', '13125000',      60000, 'G',    113,    340,  55, '1312' , '1DIGMOS60K'     , 'Mixed-signal ASIC BiCMOS'),
  ('13', '13125000',    1000000, 'G',    204,    612,  55, '1312' , '1VGATEARR'      , 'Mixed-signal ASIC BiCMOS'),
  ('13', '13125000',  100000000, 'G',    367,   1100,  55, '1312' , '1VGATEARR'      , 'Mixed-signal ASIC BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1312%';

-- 1330 Digital RF/HV circuit bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('13', '13301000',        100, 'G',      8,     24,  55, '1330' , '1DIGBIP100'     , 'Digital RF/HV circuit bipolar'),
  ('13', '13301000',       1000, 'G',   14.4,   43.2,  55, '1330' , '1DIGBIP1K'      , 'Digital RF/HV circuit bipolar'),
  ('13', '13301000',       3000, 'G',   25.9,   77.8,  55, '1330' , '1DIGBIP3K'      , 'Digital RF/HV circuit bipolar'),
  ('13', '13301000',      10000, 'G',   46.7,    140,  55, '1330' , '1DIGBIP10K'     , 'Digital RF/HV circuit bipolar'),
  ('13', '13301000',      30000, 'G',     84,    252,  55, '1330' , '1DIGBIP30K'     , 'Digital RF/HV circuit bipolar'),
  ('13', '13301000',      60000, 'G',    151,    453,  55, '1330' , '1DIGBIP60K'     , 'Digital RF/HV circuit bipolar'),
  ('13', '13304000',        100, 'G',      8,     24,  55, '1330' , '1DIGMOS100'     , 'Digital RF/HV circuit CMOS'),
  ('13', '13304000',       1000, 'G',   14.4,   43.2,  55, '1330' , '1DIGMOS1K'      , 'Digital RF/HV circuit CMOS'),
  ('13', '13304000',       3000, 'G',   25.9,   77.8,  55, '1330' , '1DIGMOS3K'      , 'Digital RF/HV circuit CMOS'),
  ('13', '13304000',      10000, 'G',   46.7,    140,  55, '1330' , '1DIGMOS10K'     , 'Digital RF/HV circuit CMOS'),
  ('13', '13304000',      30000, 'G',     84,    252,  55, '1330' , '1DIGMOS30K'     , 'Digital RF/HV circuit CMOS'),
  ('13', '13304000',      60000, 'G',    151,    453,  55, '1330' , '1DIGMOS60K'     , 'Digital RF/HV circuit CMOS'),
  ('13', '13306000',        100, 'G',      8,     24,  55, '1330' , '1DIGGAAS1K'     , 'Digital RF/HV circuit GaAs'),
  ('13', '13306000',       1000, 'G',   14.4,   43.2,  55, '1330' , '1DIGGAAS1K'     , 'Digital RF/HV circuit GaAs'),
  ('13', '13306000',       3000, 'G',   25.9,   77.8,  55, '1330' , '1DIGGAAS10K'    , 'Digital RF/HV circuit GaAs'),
  ('13', '13306000',      10000, 'G',   46.7,    140,  55, '1330' , '1DIGGAAS10K'    , 'Digital RF/HV circuit GaAs'),
  ('13', '13306000',      30000, 'G',     84,    252,  55, '1330' , '1DIGGAAS10K'    , 'Digital RF/HV circuit GaAs'),
  ('13', '13306000',      60000, 'G',    151,    453,  55, '1330' , '1DIGGAAS10K'    , 'Digital RF/HV circuit GaAs'),
  ('13', '13307000',        100, 'G',      8,     24,  55, '1330' , '1DIGBIP100'     , 'Digital RF/HV circuit high-voltage'),
  ('13', '13307000',       1000, 'G',   14.4,   43.2,  55, '1330' , '1DIGBIP1K'      , 'Digital RF/HV circuit high-voltage'),
  ('13', '13307000',       3000, 'G',   25.9,   77.8,  55, '1330' , '1DIGBIP3K'      , 'Digital RF/HV circuit high-voltage'),
  ('13', '13307000',      10000, 'G',   46.7,    140,  55, '1330' , '1DIGBIP10K'     , 'Digital RF/HV circuit high-voltage'),
  ('13', '13307000',      30000, 'G',     84,    252,  55, '1330' , '1DIGBIP30K'     , 'Digital RF/HV circuit high-voltage'),
  ('13', '13307000',      60000, 'G',    151,    453,  55, '1330' , '1DIGBIP60K'     , 'Digital RF/HV circuit high-voltage');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1330%';

-- 1370 Programmable logic bipolar TTL PAL/GAL
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('13', '13701100',        500, 'G',      6,     18,  55, '1370' , '1PLABIP1K'      , 'Programmable logic bipolar TTL PAL/GAL'),
  ('13', '13701100',       1000, 'G',   10.8,   32.4,  55, '1370' , '1PLABIP1K'      , 'Programmable logic bipolar TTL PAL/GAL'),
  ('13', '13701100',       5000, 'G',   19.4,   58.3,  55, '1370' , '1PLABIP5K'      , 'Programmable logic bipolar TTL PAL/GAL'),
  ('13', '13701100',      20000, 'G',     35,    105,  55, '1370' , '1PLABIP5K'      , 'Programmable logic bipolar TTL PAL/GAL'),
  ('13', '13701100',     100000, 'G',     63,    189,  55, '1370' , '1PLABIP5K'      , 'Programmable logic bipolar TTL PAL/GAL'),
  ('13', '13704100',        500, 'G',      6,     18,  55, '1370' , '1PLAMOS500'     , 'Programmable logic CMOS PAL/GAL'),
  ('13', '13704100',       1000, 'G',   10.8,   32.4,  55, '1370' , '1PLAMOS1K'      , 'Programmable logic CMOS PAL/GAL'),
  ('13', '13704100',       5000, 'G',   19.4,   58.3,  55, '1370' , '1PLAMOS5K'      , 'Programmable logic CMOS PAL/GAL'),
  ('13', '13704100',      20000, 'G',     35,    105,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic CMOS PAL/GAL'),
  ('13', '13704100',     100000, 'G',     63,    189,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic CMOS PAL/GAL'),
  ('13', '13704200',        500, 'G',      6,     18,  55, '1370' , '1PLAMOS500'     , 'Programmable logic CMOS CPLD'),
  ('13', '13704200',       1000, 'G',   10.8,   32.4,  55, '1370' , '1PLAMOS1K'      , 'Programmable logic CMOS CPLD'),
  ('13', '13704200',       5000, 'G',   19.4,   58.3,  55, '1370' , '1PLAMOS5K'      , 'Programmable logic CMOS CPLD'),
  ('13', '13704200',      20000, 'G',     35,    105,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic CMOS CPLD'),
  ('13', '13704200',     100000, 'G',     63,    189,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic CMOS CPLD'),
  ('13', '13704300',        500, 'G',      6,     18,  55, '1370' , '1PLAMOS500'     , 'Programmable logic CMOS FPGA'),
  ('13', '13704300',       1000, 'G',   10.8,   32.4,  55, '1370' , '1PLAMOS1K'      , 'Programmable logic CMOS FPGA'),
  ('13', '13704300',       5000, 'G',   19.4,   58.3,  55, '1370' , '1PLAMOS5K'      , 'Programmable logic CMOS FPGA'),
  ('13', '13704300',      20000, 'G',     35,    105,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic CMOS FPGA'),
  ('13', '13704300',     100000, 'G',     63,    189,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic CMOS FPGA'),
  ('13', '13705100',        500, 'G',      6,     18,  55, '1370' , '1PLAMOS500'     , 'Programmable logic BiCMOS PAL/GAL'),
  ('13', '13705100',       1000, 'G',   10.8,   32.4,  55, '1370' , '1PLAMOS1K'      , 'Programmable logic BiCMOS PAL/GAL'),
  ('13', '13705100',       5000, 'G',   19.4,   58.3,  55, '1370' , '1PLAMOS5K'      , 'Programmable logic BiCMOS PAL/GAL'),
  ('13', '13705100',      20000, 'G',     35,    105,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic BiCMOS PAL/GAL'),
  ('13', '13705100',     100000, 'G',     63,    189,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic BiCMOS PAL/GAL'),
  ('13', '13705200',        500, 'G',      6,     18,  55, '1370' , '1PLAMOS500'     , 'Programmable logic BiCMOS CPLD'),
  ('13', '13705200',       1000, 'G',   10.8,   32.4,  55, '1370' , '1PLAMOS1K'      , 'Programmable logic BiCMOS CPLD'),
  ('13', '13705200',       5000, 'G',   19.4,   58.3,  55, '1370' , '1PLAMOS5K'      , 'Programmable logic BiCMOS CPLD'),
  ('13', '13705200',      20000, 'G',     35,    105,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic BiCMOS CPLD'),
  ('13', '13705200',     100000, 'G',     63,    189,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic BiCMOS CPLD'),
  ('13', '13705300',        500, 'G',      6,     18,  55, '1370' , '1PLAMOS500'     , 'Programmable logic BiCMOS FPGA'),
  ('13', '13705300',       1000, 'G',   10.8,   32.4,  55, '1370' , '1PLAMOS1K'      , 'Programmable logic BiCMOS FPGA'),
  ('13', '13705300',       5000, 'G',   19.4,   58.3,  55, '1370' , '1PLAMOS5K'      , 'Programmable logic BiCMOS FPGA'),
  ('13', '13705300',      20000, 'G',     35,    105,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic BiCMOS FPGA'),
  ('13', '13705300',     100000, 'G',     63,    189,  55, '1370' , '1PLAMOS20K'     , 'Programmable logic BiCMOS FPGA');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1370%';

-- 1410 Standard logic gates/flip-flops TTL
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('14', '14101000',        100, 'G',      3,      9,  55, '1411' , '1DIGBIP100'     , 'Standard logic gates/flip-flops TTL'),
  ('14', '14101000',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGBIP1K'      , 'Standard logic gates/flip-flops TTL'),
  ('14', '14101000',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGBIP3K'      , 'Standard logic gates/flip-flops TTL'),
  ('14', '14101000',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGBIP10K'     , 'Standard logic gates/flip-flops TTL'),
  ('14', '14101000',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGBIP30K'     , 'Standard logic gates/flip-flops TTL'),
  ('14', '14101000',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGBIP60K'     , 'Standard logic gates/flip-flops TTL'),
  ('14', '14101200',        100, 'G',      3,      9,  55, '1411' , '1DIGBIP100'     , 'Standard logic gates/flip-flops LS-TTL'),
  ('14', '14101200',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGBIP1K'      , 'Standard logic gates/flip-flops LS-TTL'),
  ('14', '14101200',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGBIP3K'      , 'Standard logic gates/flip-flops LS-TTL'),
  ('14', '14101200',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGBIP10K'     , 'Standard logic gates/flip-flops LS-TTL'),
  ('14', '14101200',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGBIP30K'     , 'Standard logic gates/flip-flops LS-TTL'),
  ('14', '14101200',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGBIP60K'     , 'Standard logic gates/flip-flops LS-TTL'),
  ('14', '14101300',        100, 'G',      3,      9,  55, '1411' , '1DIGBIP100'     , 'Standard logic gates/flip-flops ALS-TTL'),
  ('14', '14101300',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGBIP1K'      , 'Standard logic gates/flip-flops ALS-TTL'),
  ('14', '14101300',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGBIP3K'      , 'Standard logic gates/flip-flops ALS-TTL'),
  ('14', '14101300',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGBIP10K'     , 'Standard logic gates/flip-flops ALS-TTL'),
  ('14', '14101300',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGBIP30K'     , 'Standard logic gates/flip-flops ALS-TTL'),
  ('14', '14101300',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGBIP60K'     , 'Standard logic gates/flip-flops ALS-TTL'),
  ('14', '14101400',        100, 'G',      3,      9,  55, '1411' , '1DIGBIP100'     , 'Standard logic gates/flip-flops S-TTL'),
  ('14', '14101400',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGBIP1K'      , 'Standard logic gates/flip-flops S-TTL'),
  ('14', '14101400',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGBIP3K'      , 'Standard logic gates/flip-flops S-TTL'),
  ('14', '14101400',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGBIP10K'     , 'Standard logic gates/flip-flops S-TTL'),
  ('14', '14101400',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGBIP30K'     , 'Standard logic gates/flip-flops S-TTL'),
  ('14', '14101400',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGBIP60K'     , 'Standard logic gates/flip-flops S-TTL'),
  ('14', '14101600',        100, 'G',      3,      9,  55, '1411' , '1DIGBIP100'     , 'Standard logic gates/flip-flops F-TTL'),
  ('14', '14101600',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGBIP1K'      , 'Standard logic gates/flip-flops F-TTL'),
  ('14', '14101600',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGBIP3K'      , 'Standard logic gates/flip-flops F-TTL'),
  ('14', '14101600',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGBIP10K'     , 'Standard logic gates/flip-flops F-TTL'),
  ('14', '14101600',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGBIP30K'     , 'Standard logic gates/flip-flops F-TTL'),
  ('14', '14101600',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGBIP60K'     , 'Standard logic gates/flip-flops F-TTL'),
  ('14', '14102000',        100, 'G',      3,      9,  55, '1411' , '1DIGBIP100'     , 'Standard logic gates/flip-flops ECL'),
  ('14', '14102000',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGBIP1K'      , 'Standard logic gates/flip-flops ECL'),
  ('14', '14102000',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGBIP3K'      , 'Standard logic gates/flip-flops ECL'),
  ('14', '14102000',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGBIP10K'     , 'Standard logic gates/flip-flops ECL'),
  ('14', '14102000',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGBIP30K'     , 'Standard logic gates/flip-flops ECL'),
  ('14', '14102000',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGBIP60K'     , 'Standard logic gates/flip-flops ECL'),
  ('14', '14102100',        100, 'G',      3,      9,  55, '1411' , '1DIGBIP100'     , 'Standard logic gates/flip-flops ECL 10K'),
  ('14', '14102100',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGBIP1K'      , 'Standard logic gates/flip-flops ECL 10K'),
  ('14', '14102100',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGBIP3K'      , 'Standard logic gates/flip-flops ECL 10K'),
  ('14', '14102100',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGBIP10K'     , 'Standard logic gates/flip-flops ECL 10K'),
  ('14', '14102100',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGBIP30K'     , 'Standard logic gates/flip-flops ECL 10K'),
  ('14', '14102100',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGBIP60K'     , 'Standard logic gates/flip-flops ECL 10K'),
  ('14', '14102200',        100, 'G',      3,      9,  55, '1411' , '1DIGBIP100'     , 'Standard logic gates/flip-flops ECL 100K'),
  ('14', '14102200',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGBIP1K'      , 'Standard logic gates/flip-flops ECL 100K'),
  ('14', '14102200',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGBIP3K'      , 'Standard logic gates/flip-flops ECL 100K'),
  ('14', '14102200',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGBIP10K'     , 'Standard logic gates/flip-flops ECL 100K'),
  ('14', '14102200',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGBIP30K'     , 'Standard logic gates/flip-flops ECL 100K'),
  ('14', '14102200',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGBIP60K'     , 'Standard logic gates/flip-flops ECL 100K'),
  ('14', '14104000',        100, 'G',      3,      9,  55, '1410' , '1DIGMOS100'     , 'Standard logic gates/flip-flops CMOS 4000'),
  ('14', '14104000',       1000, 'G',    5.4,   16.2,  55, '1410' , '1DIGMOS1K'      , 'Standard logic gates/flip-flops CMOS 4000'),
  ('14', '14104000',       3000, 'G',   9.72,   29.2,  55, '1410' , '1DIGMOS3K'      , 'Standard logic gates/flip-flops CMOS 4000'),
  ('14', '14104000',      10000, 'G',   17.5,   52.5,  55, '1410' , '1DIGMOS10K'     , 'Standard logic gates/flip-flops CMOS 4000'),
  ('14', '14104000',      30000, 'G',   31.5,   94.5,  55, '1410' , '1DIGMOS30K'     , 'Standard logic gates/flip-flops CMOS 4000'),
  ('14', '14104000',      60000, 'G',   56.7,    170,  55, '1410' , '1DIGMOS60K'     , 'Standard logic gates/flip-flops CMOS 4000'),
  ('14', '14104100',        100, 'G',      3,      9,  55, '1410' , '1DIGMOS100'     , 'Standard logic gates/flip-flops CMOS HC'),
  ('14', '14104100',       1000, 'G',    5.4,   16.2,  55, '1410' , '1DIGMOS1K'      , 'Standard logic gates/flip-flops CMOS HC'),
  ('14', '14104100',       3000, 'G',   9.72,   29.2,  55, '1410' , '1DIGMOS3K'      , 'Standard logic gates/flip-flops CMOS HC'),
  ('14', '14104100',      10000, 'G',   17.5,   52.5,  55, '1410' , '1DIGMOS10K'     , 'Standard logic gates/flip-flops CMOS HC'),
  ('14', '14104100',      30000, 'G',   31.5,   94.5,  55, '1410' , '1DIGMOS30K'     , 'Standard logic gates/flip-flops CMOS HC'),
  ('14', '14104100',      60000, 'G',   56.7,    170,  55, '1410' , '1DIGMOS60K'     , 'Standard logic gates/flip-flops CMOS HC'),
  ('14', '14104200',        100, 'G',      3,      9,  55, '1410' , '1DIGMOS100'     , 'Standard logic gates/flip-flops CMOS HCT'),
  ('14', '14104200',       1000, 'G',    5.4,   16.2,  55, '1410' , '1DIGMOS1K'      , 'Standard logic gates/flip-flops CMOS HCT'),
  ('14', '14104200',       3000, 'G',   9.72,   29.2,  55, '1410' , '1DIGMOS3K'      , 'Standard logic gates/flip-flops CMOS HCT'),
  ('14', '14104200',      10000, 'G',   17.5,   52.5,  55, '1410' , '1DIGMOS10K'     , 'Standard logic gates/flip-flops CMOS HCT'),
  ('14', '14104200',      30000, 'G',   31.5,   94.5,  55, '1410' , '1DIGMOS30K'     , 'Standard logic gates/flip-flops CMOS HCT'),
  ('14', '14104200',      60000, 'G',   56.7,    170,  55, '1410' , '1DIGMOS60K'     , 'Standard logic gates/flip-flops CMOS HCT'),
  ('14', '14104300',        100, 'G',      3,      9,  55, '1410' , '1DIGMOS100'     , 'Standard logic gates/flip-flops CMOS AC'),
  ('14', '14104300',       1000, 'G',    5.4,   16.2,  55, '1410' , '1DIGMOS1K'      , 'Standard logic gates/flip-flops CMOS AC'),
  ('14', '14104300',       3000, 'G',   9.72,   29.2,  55, '1410' , '1DIGMOS3K'      , 'Standard logic gates/flip-flops CMOS AC'),
  ('14', '14104300',      10000, 'G',   17.5,   52.5,  55, '1410' , '1DIGMOS10K'     , 'Standard logic gates/flip-flops CMOS AC'),
  ('14', '14104300',      30000, 'G',   31.5,   94.5,  55, '1410' , '1DIGMOS30K'     , 'Standard logic gates/flip-flops CMOS AC'),
  ('14', '14104300',      60000, 'G',   56.7,    170,  55, '1410' , '1DIGMOS60K'     , 'Standard logic gates/flip-flops CMOS AC'),
  ('14', '14104400',        100, 'G',      3,      9,  55, '1410' , '1DIGMOS100'     , 'Standard logic gates/flip-flops CMOS ACT'),
  ('14', '14104400',       1000, 'G',    5.4,   16.2,  55, '1410' , '1DIGMOS1K'      , 'Standard logic gates/flip-flops CMOS ACT'),
  ('14', '14104400',       3000, 'G',   9.72,   29.2,  55, '1410' , '1DIGMOS3K'      , 'Standard logic gates/flip-flops CMOS ACT'),
  ('14', '14104400',      10000, 'G',   17.5,   52.5,  55, '1410' , '1DIGMOS10K'     , 'Standard logic gates/flip-flops CMOS ACT'),
  ('14', '14104400',      30000, 'G',   31.5,   94.5,  55, '1410' , '1DIGMOS30K'     , 'Standard logic gates/flip-flops CMOS ACT'),
  ('14', '14104400',      60000, 'G',   56.7,    170,  55, '1410' , '1DIGMOS60K'     , 'Standard logic gates/flip-flops CMOS ACT'),
  ('14', '14104500',        100, 'G',      3,      9,  55, '1410' , '1DIGMOS100'     , 'Standard logic gates/flip-flops CMOS LV'),
  ('14', '14104500',       1000, 'G',    5.4,   16.2,  55, '1410' , '1DIGMOS1K'      , 'Standard logic gates/flip-flops CMOS LV'),
  ('14', '14104500',       3000, 'G',   9.72,   29.2,  55, '1410' , '1DIGMOS3K'      , 'Standard logic gates/flip-flops CMOS LV'),
  ('14', '14104500',      10000, 'G',   17.5,   52.5,  55, '1410' , '1DIGMOS10K'     , 'Standard logic gates/flip-flops CMOS LV'),
  ('14', '14104500',      30000, 'G',   31.5,   94.5,  55, '1410' , '1DIGMOS30K'     , 'Standard logic gates/flip-flops CMOS LV'),
  ('14', '14104500',      60000, 'G',   56.7,    170,  55, '1410' , '1DIGMOS60K'     , 'Standard logic gates/flip-flops CMOS LV'),
  ('14', '14105000',        100, 'G',      3,      9,  55, '1410' , '1DIGMOS100'     , 'Standard logic gates/flip-flops BiCMOS'),
  ('14', '14105000',       1000, 'G',    5.4,   16.2,  55, '1410' , '1DIGMOS1K'      , 'Standard logic gates/flip-flops BiCMOS'),
  ('14', '14105000',       3000, 'G',   9.72,   29.2,  55, '1410' , '1DIGMOS3K'      , 'Standard logic gates/flip-flops BiCMOS'),
  ('14', '14105000',      10000, 'G',   17.5,   52.5,  55, '1410' , '1DIGMOS10K'     , 'Standard logic gates/flip-flops BiCMOS'),
  ('14', '14105000',      30000, 'G',   31.5,   94.5,  55, '1410' , '1DIGMOS30K'     , 'Standard logic gates/flip-flops BiCMOS'),
  ('14', '14105000',      60000, 'G',   56.7,    170,  55, '1410' , '1DIGMOS60K'     , 'Standard logic gates/flip-flops BiCMOS'),
  ('14', '14105100',        100, 'G',      3,      9,  55, '1410' , '1DIGMOS100'     , 'Standard logic gates/flip-flops BiCMOS ABT'),
  ('14', '14105100',       1000, 'G',    5.4,   16.2,  55, '1410' , '1DIGMOS1K'      , 'Standard logic gates/flip-flops BiCMOS ABT'),
  ('14', '14105100',       3000, 'G',   9.72,   29.2,  55, '1410' , '1DIGMOS3K'      , 'Standard logic gates/flip-flops BiCMOS ABT'),
  ('14', '14105100',      10000, 'G',   17.5,   52.5,  55, '1410' , '1DIGMOS10K'     , 'Standard logic gates/flip-flops BiCMOS ABT'),
  ('14', '14105100',      30000, 'G',   31.5,   94.5,  55, '1410' , '1DIGMOS30K'     , 'Standard logic gates/flip-flops BiCMOS ABT'),
  ('14', '14105100',      60000, 'G',   56.7,    170,  55, '1410' , '1DIGMOS60K'     , 'Standard logic gates/flip-flops BiCMOS ABT'),
  ('14', '14103000',        100, 'G',      3,      9,  55, '1411' , '1DIGMOS100'     , 'Standard logic gates/flip-flops NMOS'),
  ('14', '14103000',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGMOS1K'      , 'Standard logic gates/flip-flops NMOS'),
  ('14', '14103000',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGMOS3K'      , 'Standard logic gates/flip-flops NMOS'),
  ('14', '14103000',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGMOS10K'     , 'Standard logic gates/flip-flops NMOS'),
  ('14', '14103000',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGMOS30K'     , 'Standard logic gates/flip-flops NMOS'),
  ('14', '14103000',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGMOS60K'     , 'Standard logic gates/flip-flops NMOS'),
  ('14', '14106000',        100, 'G',      3,      9,  55, '1411' , '1DIGGAAS1K'     , 'Standard logic gates/flip-flops GaAs'),
  ('14', '14106000',       1000, 'G',    5.4,   16.2,  55, '1411' , '1DIGGAAS1K'     , 'Standard logic gates/flip-flops GaAs'),
  ('14', '14106000',       3000, 'G',   9.72,   29.2,  55, '1411' , '1DIGGAAS10K'    , 'Standard logic gates/flip-flops GaAs'),
  ('14', '14106000',      10000, 'G',   17.5,   52.5,  55, '1411' , '1DIGGAAS10K'    , 'Standard logic gates/flip-flops GaAs'),
  ('14', '14106000',      30000, 'G',   31.5,   94.5,  55, '1411' , '1DIGGAAS10K'    , 'Standard logic gates/flip-flops GaAs'),
  ('14', '14106000',      60000, 'G',   56.7,    170,  55, '1411' , '1DIGGAAS10K'    , 'Standard logic gates/flip-flops GaAs');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Ub,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '1410%';

-- 1420 Standard logic bus/interface logic TTL
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('14', '14201000',        100, 'G',      4,     12,  55, '1411' , '1DIGBIP100'     , 'Standard logic bus/interface logic TTL'),
  ('14', '14201000',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGBIP1K'      , 'Standard logic bus/interface logic TTL'),
  ('14', '14201000',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGBIP3K'      , 'Standard logic bus/interface logic TTL'),
  ('14', '14201000',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGBIP10K'     , 'Standard logic bus/interface logic TTL'),
  ('14', '14201000',      30000, 'G',     42,    126,  55, '1411' , '1DIGBIP30K'     , 'Standard logic bus/interface logic TTL'),
  ('14', '14201000',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGBIP60K'     , 'Standard logic bus/interface logic TTL'),
  ('14', '14201200',        100, 'G',      4,     12,  55, '1411' , '1DIGBIP100'     , 'Standard logic bus/interface logic LS-TTL'),
  ('14', '14201200',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGBIP1K'      , 'Standard logic bus/interface logic LS-TTL'),
  ('14', '14201200',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGBIP3K'      , 'Standard logic bus/interface logic LS-TTL'),
  ('14', '14201200',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGBIP10K'     , 'Standard logic bus/interface logic LS-TTL'),
  ('14', '14201200',      30000, 'G',     42,    126,  55, '1411' , '1DIGBIP30K'     , 'Standard logic bus/interface logic LS-TTL'),
  ('14', '14201200',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGBIP60K'     , 'Standard logic bus/interface logic LS-TTL'),
  ('14', '14201300',        100, 'G',      4,     12,  55, '1411' , '1DIGBIP100'     , 'Standard logic bus/interface logic ALS-TTL'),
  ('14', '14201300',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGBIP1K'      , 'Standard logic bus/interface logic ALS-TTL'),
  ('14', '14201300',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGBIP3K'      , 'Standard logic bus/interface logic ALS-TTL'),
  ('14', '14201300',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGBIP10K'     , 'Standard logic bus/interface logic ALS-TTL'),
  ('14', '14201300',      30000, 'G',     42,    126,  55, '1411' , '1DIGBIP30K'     , 'Standard logic bus/interface logic ALS-TTL'),
  ('14', '14201300',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGBIP60K'     , 'Standard logic bus/interface logic ALS-TTL'),
  ('14', '14201400',        100, 'G',      4,     12,  55, '1411' , '1DIGBIP100'     , 'Standard logic bus/interface logic S-TTL'),
  ('14', '14201400',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGBIP1K'      , 'Standard logic bus/interface logic S-TTL'),
  ('14', '14201400',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGBIP3K'      , 'Standard logic bus/interface logic S-TTL'),
  ('14', '14201400',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGBIP10K'     , 'Standard logic bus/interface logic S-TTL'),
  ('14', '14201400',      30000, 'G',     42,    126,  55, '1411' , '1DIGBIP30K'     , 'Standard logic bus/interface logic S-TTL'),
  ('14', '14201400',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGBIP60K'     , 'Standard logic bus/interface logic S-TTL'),
  ('14', '14201600',        100, 'G',      4,     12,  55, '1411' , '1DIGBIP100'     , 'Standard logic bus/interface logic F-TTL'),
  ('14', '14201600',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGBIP1K'      , 'Standard logic bus/interface logic F-TTL'),
  ('14', '14201600',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGBIP3K'      , 'Standard logic bus/interface logic F-TTL'),
  ('14', '14201600',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGBIP10K'     , 'Standard logic bus/interface logic F-TTL'),
  ('14', '14201600',      30000, 'G',     42,    126,  55, '1411' , '1DIGBIP30K'     , 'Standard logic bus/interface logic F-TTL'),
  ('14', '14201600',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGBIP60K'     , 'Standard logic bus/interface logic F-TTL'),
  ('14', '14202000',        100, 'G',      4,     12,  55, '1411' , '1DIGBIP100'     , 'Standard logic bus/interface logic ECL'),
  ('14', '14202000',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGBIP1K'      , 'Standard logic bus/interface logic ECL'),
  ('14', '14202000',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGBIP3K'      , 'Standard logic bus/interface logic ECL'),
  ('14', '14202000',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGBIP10K'     , 'Standard logic bus/interface logic ECL'),
  ('14', '14202000',      30000, 'G',     42,    126,  55, '1411' , '1DIGBIP30K'     , 'Standard logic bus/interface logic ECL'),
  ('14', '14202000',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGBIP60K'     , 'Standard logic bus/interface logic ECL'),
  ('14', '14202100',        100, 'G',      4,     12,  55, '1411' , '1DIGBIP100'     , 'Standard logic bus/interface logic ECL 10K'),
  ('14', '14202100',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGBIP1K'      , 'Standard logic bus/interface logic ECL 10K'),
  ('14', '14202100',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGBIP3K'      , 'Standard logic bus/interface logic ECL 10K'),
  ('14', '14202100',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGBIP10K'     , 'Standard logic bus/interface logic ECL 10K'),
  ('14', '14202100',      30000, 'G',     42,    126,  55, '1411' , '1DIGBIP30K'     , 'Standard logic bus/interface logic ECL 10K'),
  ('14', '14202100',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGBIP60K'     , 'Standard logic bus/interface logic ECL 10K'),
  ('14', '14202200',        100, 'G',      4,     12,  55, '1411' , '1DIGBIP100'     , 'Standard logic bus/interface logic ECL 100K'),
  ('14', '14202200',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGBIP1K'      , 'Standard logic bus/interface logic ECL 100K'),
  ('14', '14202200',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGBIP3K'      , 'Standard logic bus/interface logic ECL 100K'),
  ('14', '14202200',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGBIP10K'     , 'Standard logic bus/interface logic ECL 100K'),
  ('14', '14202200',      30000, 'G',     42,    126,  55, '1411' , '1DIGBIP30K'     , 'Standard logic bus/interface logic ECL 100K'),
  ('14', '14202200',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGBIP60K'     , 'Standard logic bus/interface logic ECL 100K'),
  ('14', '14204000',        100, 'G',      4,     12,  55, '1410' , '1DIGMOS100'     , 'Standard logic bus/interface logic CMOS 4000'),
  ('14', '14204000',       1000, 'G',    7.2,   21.6,  55, '1410' , '1DIGMOS1K'      , 'Standard logic bus/interface logic CMOS 4000'),
  ('14', '14204000',       3000, 'G',     13,   38.9,  55, '1410' , '1DIGMOS3K'      , 'Standard logic bus/interface logic CMOS 4000'),
  ('14', '14204000',      10000, 'G',   23.3,     70,  55, '1410' , '1DIGMOS10K'     , 'Standard logic bus/interface logic CMOS 4000'),
  ('14', '14204000',      30000, 'G',     42,    126,  55, '1410' , '1DIGMOS30K'     , 'Standard logic bus/interface logic CMOS 4000'),
  ('14', '14204000',      60000, 'G',   75.6,    227,  55, '1410' , '1DIGMOS60K'     , 'Standard logic bus/interface logic CMOS 4000'),
  ('14', '14204100',        100, 'G',      4,     12,  55, '1410' , '1DIGMOS100'     , 'Standard logic bus/interface logic CMOS HC'),
  ('14', '14204100',       1000, 'G',    7.2,   21.6,  55, '1410' , '1DIGMOS1K'      , 'Standard logic bus/interface logic CMOS HC'),
  ('14', '14204100',       3000, 'G',     13,   38.9,  55, '1410' , '1DIGMOS3K'      , 'Standard logic bus/interface logic CMOS HC'),
  ('14', '14204100',      10000, 'G',   23.3,     70,  55, '1410' , '1DIGMOS10K'     , 'Standard logic bus/interface logic CMOS HC'),
  ('14', '14204100',      30000, 'G',     42,    126,  55, '1410' , '1DIGMOS30K'     , 'Standard logic bus/interface logic CMOS HC'),
  ('14', '14204100',      60000, 'G',   75.6,    227,  55, '1410' , '1DIGMOS60K'     , 'Standard logic bus/interface logic CMOS HC'),
  ('14', '14204200',        100, 'G',      4,     12,  55, '1410' , '1DIGMOS100'     , 'Standard logic bus/interface logic CMOS HCT'),
  ('14', '14204200',       1000, 'G',    7.2,   21.6,  55, '1410' , '1DIGMOS1K'      , 'Standard logic bus/interface logic CMOS HCT'),
  ('14', '14204200',       3000, 'G',     13,   38.9,  55, '1410' , '1DIGMOS3K'      , 'Standard logic bus/interface logic CMOS HCT'),
  ('14', '14204200',      10000, 'G',   23.3,     70,  55, '1410' , '1DIGMOS10K'     , 'Standard logic bus/interface logic CMOS HCT'),
  ('14', '14204200',      30000, 'G',     42,    126,  55, '1410' , '1DIGMOS30K'     , 'Standard logic bus/interface logic CMOS HCT'),
  ('14', '14204200',      60000, 'G',   75.6,    227,  55, '1410' , '1DIGMOS60K'     , 'Standard logic bus/interface logic CMOS HCT'),
  ('14', '14204300',        100, 'G',      4,     12,  55, '1410' , '1DIGMOS100'     , 'Standard logic bus/interface logic CMOS AC'),
  ('14', '14204300',       1000, 'G',    7.2,   21.6,  55, '1410' , '1DIGMOS1K'      , 'Standard logic bus/interface logic CMOS AC'),
  ('14', '14204300',       3000, 'G',     13,   38.9,  55, '1410' , '1DIGMOS3K'      , 'Standard logic bus/interface logic CMOS AC'),
  ('14', '14204300',      10000, 'G',   23.3,     70,  55, '1410' , '1DIGMOS10K'     , 'Standard logic bus/interface logic CMOS AC'),
  ('14', '14204300',      30000, 'G',     42,    126,  55, '1410' , '1DIGMOS30K'     , 'Standard logic bus/interface logic CMOS AC'),
  ('14', '14204300',      60000, 'G',   75.6,    227,  55, '1410' , '1DIGMOS60K'     , 'Standard logic bus/interface logic CMOS AC'),
  ('14', '14204400',        100, 'G',      4,     12,  55, '1410' , '1DIGMOS100'     , 'Standard logic bus/interface logic CMOS ACT'),
  ('14', '14204400',       1000, 'G',    7.2,   21.6,  55, '1410' , '1DIGMOS1K'      , 'Standard logic bus/interface logic CMOS ACT'),
  ('14', '14204400',       3000, 'G',     13,   38.9,  55, '1410' , '1DIGMOS3K'      , 'Standard logic bus/interface logic CMOS ACT'),
  ('14', '14204400',      10000, 'G',   23.3,     70,  55, '1410' , '1DIGMOS10K'     , 'Standard logic bus/interface logic CMOS ACT'),
  ('14', '14204400',      30000, 'G',     42,    126,  55, '1410' , '1DIGMOS30K'     , 'Standard logic bus/interface logic CMOS ACT'),
  ('14', '14204400',      60000, 'G',   75.6,    227,  55, '1410' , '1DIGMOS60K'     , 'Standard logic bus/interface logic CMOS ACT'),
  ('14', '14204500',        100, 'G',      4,     12,  55, '1410' , '1DIGMOS100'     , 'Standard logic bus/interface logic CMOS LV'),
  ('14', '14204500',       1000, 'G',    7.2,   21.6,  55, '1410' , '1DIGMOS1K'      , 'Standard logic bus/interface logic CMOS LV'),
  ('14', '14204500',       3000, 'G',     13,   38.9,  55, '1410' , '1DIGMOS3K'      , 'Standard logic bus/interface logic CMOS LV'),
  ('14', '14204500',      10000, 'G',   23.3,     70,  55, '1410' , '1DIGMOS10K'     , 'Standard logic bus/interface logic CMOS LV'),
  ('14', '14204500',      30000, 'G',     42,    126,  55, '1410' , '1DIGMOS30K'     , 'Standard logic bus/interface logic CMOS LV'),
  ('14', '14204500',      60000, 'G',   75.6,    227,  55, '1410' , '1DIGMOS60K'     , 'Standard logic bus/interface logic CMOS LV'),
  ('14', '14205000',        100, 'G',      4,     12,  55, '1410' , '1DIGMOS100'     , 'Standard logic bus/interface logic BiCMOS'),
  ('14', '14205000',       1000, 'G',    7.2,   21.6,  55, '1410' , '1DIGMOS1K'      , 'Standard logic bus/interface logic BiCMOS'),
  ('14', '14205000',       3000, 'G',     13,   38.9,  55, '1410' , '1DIGMOS3K'      , 'Standard logic bus/interface logic BiCMOS'),
  ('14', '14205000',      10000, 'G',   23.3,     70,  55, '1410' , '1DIGMOS10K'     , 'Standard logic bus/interface logic BiCMOS'),
  ('14', '14205000',      30000, 'G',     42,    126,  55, '1410' , '1DIGMOS30K'     , 'Standard logic bus/interface logic BiCMOS'),
  ('14', '14205000',      60000, 'G',   75.6,    227,  55, '1410' , '1DIGMOS60K'     , 'Standard logic bus/interface logic BiCMOS'),
  ('14', '14205100',        100, 'G',      4,     12,  55, '1410' , '1DIGMOS100'     , 'Standard logic bus/interface logic BiCMOS ABT'),
  ('14', '14205100',       1000, 'G',    7.2,   21.6,  55, '1410' , '1DIGMOS1K'      , 'Standard logic bus/interface logic BiCMOS ABT'),
  ('14', '14205100',       3000, 'G',     13,   38.9,  55, '1410' , '1DIGMOS3K'      , 'Standard logic bus/interface logic BiCMOS ABT'),
  ('14', '14205100',      10000, 'G',   23.3,     70,  55, '1410' , '1DIGMOS10K'     , 'Standard logic bus/interface logic BiCMOS ABT'),
  ('14', '14205100',      30000, 'G',     42,    126,  55, '1410' , '1DIGMOS30K'     , 'Standard logic bus/interface logic BiCMOS ABT'),
  ('14', '14205100',      60000, 'G',   75.6,    227,  55, '1410' , '1DIGMOS60K'     , 'Standard logic bus/interface logic BiCMOS ABT'),
  ('14', '14203000',        100, 'G',      4,     12,  55, '1411' , '1DIGMOS100'     , 'Standard logic bus/interface logic NMOS'),
  ('14', '14203000',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGMOS1K'      , 'Standard logic bus/interface logic NMOS'),
  ('14', '14203000',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGMOS3K'      , 'Standard logic bus/interface logic NMOS'),
  ('14', '14203000',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGMOS10K'     , 'Standard logic bus/interface logic NMOS'),
  ('14', '14203000',      30000, 'G',     42,    126,  55, '1411' , '1DIGMOS30K'     , 'Standard logic bus/interface logic NMOS'),
  ('14', '14203000',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGMOS60K'     , 'Standard logic bus/interface logic NMOS'),
  ('14', '14206000',        100, 'G',      4,     12,  55, '1411' , '1DIGGAAS1K'     , 'Standard logic bus/interface logic GaAs'),
  ('14', '14206000',       1000, 'G',    7.2,   21.6,  55, '1411' , '1DIGGAAS1K'     , 'Standard logic bus/interface logic GaAs'),
  ('14', '14206000',       3000, 'G',     13,   38.9,  55, '1411' , '1DIGGAAS10K'    , 'Standard logic bus/interface logic GaAs'),
  ('14', '14206000',      10000, 'G',   23.3,     70,  55, '1411' , '1DIGGAAS10K'    , 'Standard logic bus/interface logic GaAs'),
  ('14', '14206000',      30000, 'G',     42,    126,  55, '1411' , '1DIGGAAS10K'    , 'Standard logic bus/interface logic GaAs'),
  ('14', '14206000',      60000, 'G',   75.6,    227,  55, '1411' , '1DIGGAAS10K'    , 'Standard logic bus/interface logic GaAs');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Ub,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '1420%';

-- 1510 Thick-film hybrid circuit 
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('15', '15100000',         10, 'T',     10,     30,  55, '1510' , '1LIN100'        , 'Thick-film hybrid circuit '),
  ('15', '15100000',        100, 'T',     18,     54,  55, '1510' , '1LIN100'        , 'Thick-film hybrid circuit '),
  ('15', '15100000',       1000, 'T',   32.4,   97.2,  55, '1510' , '1LIN1K'         , 'Thick-film hybrid circuit ');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1510%';

-- 1520 Thin-film hybrid circuit 
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('15', '15200000',         10, 'T',      8,     24,  55, '1520' , '1LIN100'        , 'Thin-film hybrid circuit '),
  ('15', '15200000',        100, 'T',   14.4,   43.2,  55, '1520' , '1LIN100'        , 'Thin-film hybrid circuit '),
  ('15', '15200000',       1000, 'T',   25.9,   77.8,  55, '1520' , '1LIN1K'         , 'Thin-film hybrid circuit ');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1520%';

-- 1530 Hybrid transistor array 
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('15', '15300000',         10, 'T',      5,     15,  55, '1530' , '1HYBTRARRAY'    , 'Hybrid transistor array '),
  ('15', '15300000',        100, 'T',      9,     27,  55, '1530' , '1HYBTRARRAY'    , 'Hybrid transistor array '),
  ('15', '15300000',       1000, 'T',   16.2,   48.6,  55, '1530' , '1HYBTRARRAY'    , 'Hybrid transistor array ');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Vf', QRM = 'Tei/Nmw,Ub,Kf,Qkm' WHERE BacTec LIKE '1530%';

-- 1610 Operational amplifier bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('16', '16101000',         30, 'T',      5,     15,  55, '1610' , '1LIN100'        , 'Operational amplifier bipolar'),
  ('16', '16101000',        100, 'T',      9,     27,  55, '1610' , '1LIN100'        , 'Operational amplifier bipolar'),
  ('16', '16101000',        300, 'T',   16.2,   48.6,  55, '1610' , '1LIN300'        , 'Operational amplifier bipolar'),
  ('16', '16101000',       1000, 'T',   29.2,   87.5,  55, '1610' , '1LIN1K'         , 'Operational amplifier bipolar'),
  ('16', '16101000',       3000, 'T',   52.5,    157,  55, '1610' , '1LIN10K'        , 'Operational amplifier bipolar'),
  ('16', '16101000',      10000, 'T',   94.5,    283,  55, '1610' , '1LIN10K'        , 'Operational amplifier bipolar'),
  ('16', '16104000',         30, 'T',      5,     15,  55, '1610' , '1LIN100'        , 'Operational amplifier CMOS'),
  ('16', '16104000',        100, 'T',      9,     27,  55, '1610' , '1LIN100'        , 'Operational amplifier CMOS'),
  ('16', '16104000',        300, 'T',   16.2,   48.6,  55, '1610' , '1LIN300'        , 'Operational amplifier CMOS'),
  ('16', '16104000',       1000, 'T',   29.2,   87.5,  55, '1610' , '1LIN1K'         , 'Operational amplifier CMOS'),
  ('16', '16104000',       3000, 'T',   52.5,    157,  55, '1610' , '1LIN10K'        , 'Operational amplifier CMOS'),
  ('16', '16104000',      10000, 'T',   94.5,    283,  55, '1610' , '1LIN10K'        , 'Operational amplifier CMOS'),
  ('16', '16105000',         30, 'T',      5,     15,  55, '1610' , '1LIN100'        , 'Operational amplifier BiCMOS'),
  ('16', '16105000',        100, 'T',      9,     27,  55, '1610' , '1LIN100'        , 'Operational amplifier BiCMOS'),
  ('16', '16105000',        300, 'T',   16.2,   48.6,  55, '1610' , '1LIN300'        , 'Operational amplifier BiCMOS'),
  ('16', '16105000',       1000, 'T',   29.2,   87.5,  55, '1610' , '1LIN1K'         , 'Operational amplifier BiCMOS'),
  ('16', '16105000',       3000, 'T',   52.5,    157,  55, '1610' , '1LIN10K'        , 'Operational amplifier BiCMOS'),
  ('16', '16105000',      10000, 'T',   94.5,    283,  55, '1610' , '1LIN10K'        , 'Operational amplifier BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Umax', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '1610%';

-- 1620 Comparator bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('16', '16201000',         30, 'T',      4,     12,  55, '1620' , '1LIN100'        , 'Comparator bipolar'),
  ('16', '16201000',        100, 'T',    7.2,   21.6,  55, '1620' , '1LIN100'        , 'Comparator bipolar'),
  ('16', '16201000',        300, 'T',     13,   38.9,  55, '1620' , '1LIN300'        , 'Comparator bipolar'),
  ('16', '16201000',       1000, 'T',   23.3,     70,  55, '1620' , '1LIN1K'         , 'Comparator bipolar'),
  ('16', '16201000',       3000, 'T',     42,    126,  55, '1620' , '1LIN10K'        , 'Comparator bipolar'),
  ('16', '16201000',      10000, 'T',   75.6,    227,  55, '1620' , '1LIN10K'        , 'Comparator bipolar'),
  ('16', '16204000',         30, 'T',      4,     12,  55, '1620' , '1LIN100'        , 'Comparator CMOS'),
  ('16', '16204000',        100, 'T',    7.2,   21.6,  55, '1620' , '1LIN100'        , 'Comparator CMOS'),
  ('16', '16204000',        300, 'T',     13,   38.9,  55, '1620' , '1LIN300'        , 'Comparator CMOS'),
  ('16', '16204000',       1000, 'T',   23.3,     70,  55, '1620' , '1LIN1K'         , 'Comparator CMOS'),
  ('16', '16204000',       3000, 'T',     42,    126,  55, '1620' , '1LIN10K'        , 'Comparator CMOS'),
  ('16', '16204000',      10000, 'T',   75.6,    227,  55, '1620' , '1LIN10K'        , 'Comparator CMOS'),
  ('16', '16205000',         30, 'T',      4,     12,  55, '1620' , '1LIN100'        , 'Comparator BiCMOS'),
  ('16', '16205000',        100, 'T',    7.2,   21.6,  55, '1620' , '1LIN100'        , 'Comparator BiCMOS'),
  ('16', '16205000',        300, 'T',     13,   38.9,  55, '1620' , '1LIN300'        , 'Comparator BiCMOS'),
  ('16', '16205000',       1000, 'T',   23.3,     70,  55, '1620' , '1LIN1K'         , 'Comparator BiCMOS'),
  ('16', '16205000',       3000, 'T',     42,    126,  55, '1620' , '1LIN10K'        , 'Comparator BiCMOS'),
  ('16', '16205000',      10000, 'T',   75.6,    227,  55, '1620' , '1LIN10K'        , 'Comparator BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Umax', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '1620%';

-- 1630 Voltage regulator bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('16', '16301000',         30, 'T',      8,     24,  55, '1630' , '1LIN100'        , 'Voltage regulator bipolar'),
  ('16', '16301000',        100, 'T',   14.4,   43.2,  55, '1630' , '1LIN100'        , 'Voltage regulator bipolar'),
  ('16', '16301000',        300, 'T',   25.9,   77.8,  55, '1630' , '1LIN300'        , 'Voltage regulator bipolar'),
  ('16', '16301000',       1000, 'T',   46.7,    140,  55, '1630' , '1LIN1K'         , 'Voltage regulator bipolar'),
  ('16', '16301000',       3000, 'T',     84,    252,  55, '1630' , '1LIN10K'        , 'Voltage regulator bipolar'),
  ('16', '16301000',      10000, 'T',    151,    453,  55, '1630' , '1LIN10K'        , 'Voltage regulator bipolar'),
  ('16', '16304000',         30, 'T',      8,     24,  55, '1630' , '1LIN100'        , 'Voltage regulator CMOS'),
  ('16', '16304000',        100, 'T',   14.4,   43.2,  55, '1630' , '1LIN100'        , 'Voltage regulator CMOS'),
  ('16', '16304000',        300, 'T',   25.9,   77.8,  55, '1630' , '1LIN300'        , 'Voltage regulator CMOS'),
  ('16', '16304000',       1000, 'T',   46.7,    140,  55, '1630' , '1LIN1K'         , 'Voltage regulator CMOS'),
  ('16', '16304000',       3000, 'T',     84,    252,  55, '1630' , '1LIN10K'        , 'Voltage regulator CMOS'),
  ('16', '16304000',      10000, 'T',    151,    453,  55, '1630' , '1LIN10K'        , 'Voltage regulator CMOS'),
  ('16', '16305000',         30, 'T',      8,     24,  55, '1630' , '1LIN100'        , 'Voltage regulator BiCMOS'),
  ('16', '16305000',        100, 'T',   14.4,   43.2,  55, '1630' , '1LIN100'        , 'Voltage regulator BiCMOS'),
  ('16', '16305000',        300, 'T',   25.9,   77.8,  55, '1630' , '1LIN300'        , 'Voltage regulator BiCMOS'),
  ('16', '16305000',       1000, 'T',   46.7,    140,  55, '1630' , '1LIN1K'         , 'Voltage regulator BiCMOS'),
  ('16', '16305000',       3000, 'T',     84,    252,  55, '1630' , '1LIN10K'        , 'Voltage regulator BiCMOS'),
  ('16', '16305000',      10000, 'T',    151,    453,  55, '1630' , '1LIN10K'        , 'Voltage regulator BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Umax', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '1630%';

-- 1640 Analog interface circuit bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('16', '16401000',         30, 'T',      6,     18,  55, '1640' , '1LIN100'        , 'Analog interface circuit bipolar'),
  ('16', '16401000',        100, 'T',   10.8,   32.4,  55, '1640' , '1LIN100'        , 'Analog interface circuit bipolar'),
  ('16', '16401000',        300, 'T',   19.4,   58.3,  55, '1640' , '1LIN300'        , 'Analog interface circuit bipolar'),
  ('16', '16401000',       1000, 'T',     35,    105,  55, '1640' , '1LIN1K'         , 'Analog interface circuit bipolar'),
  ('16', '16401000',       3000, 'T',     63,    189,  55, '1640' , '1LIN10K'        , 'Analog interface circuit bipolar'),
  ('16', '16401000',      10000, 'T',    113,    340,  55, '1640' , '1LIN10K'        , 'Analog interface circuit bipolar'),
  ('16', '16404000',         30, 'T',      6,     18,  55, '1640' , '1LIN100'        , 'Analog interface circuit CMOS'),
  ('16', '16404000',        100, 'T',   10.8,   32.4,  55, '1640' , '1LIN100'        , 'Analog interface circuit CMOS'),
  ('16', '16404000',        300, 'T',   19.4,   58.3,  55, '1640' , '1LIN300'        , 'Analog interface circuit CMOS'),
  ('16', '16404000',       1000, 'T',     35,    105,  55, '1640' , '1LIN1K'         , 'Analog interface circuit CMOS'),
  ('16', '16404000',       3000, 'T',     63,    189,  55, '1640' , '1LIN10K'        , 'Analog interface circuit CMOS'),
  ('16', '16404000',      10000, 'T',    113,    340,  55, '1640' , '1LIN10K'        , 'Analog interface circuit CMOS'),
  ('16', '16405000',         30, 'T',      6,     18,  55, '1640' , '1LIN100'        , 'Analog interface circuit BiCMOS'),
  ('16', '16405000',        100, 'T',   10.8,   32.4,  55, '1640' , '1LIN100'        , 'Analog interface circuit BiCMOS'),
  ('16', '16405000',        300, 'T',   19.4,   58.3,  55, '1640' , '1LIN300'        , 'Analog interface circuit BiCMOS'),
  ('16', '16405000',       1000, 'T',     35,    105,  55, '1640' , '1LIN1K'         , 'Analog interface circuit BiCMOS'),
  ('16', '16405000',       3000, 'T',     63,    189,  55, '1640' , '1LIN10K'        , 'Analog interface circuit BiCMOS'),
  ('16', '16405000',      10000, 'T',    113,    340,  55, '1640' , '1LIN10K'        , 'Analog interface circuit BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Umax', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '1640%';

-- 1650 A/D converter bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('16', '16501000',          8, 'B',     10,     30,  55, '1650' , '1LIN300'        , 'A/D converter bipolar'),
  ('16', '16501000',         10, 'B',     18,     54,  55, '1650' , '1LIN300'        , 'A/D converter bipolar'),
  ('16', '16501000',         12, 'B',   32.4,   97.2,  55, '1650' , '1LIN1K'         , 'A/D converter bipolar'),
  ('16', '16501000',         14, 'B',   58.3,    175,  55, '1650' , '1LIN1K'         , 'A/D converter bipolar'),
  ('16', '16501000',         16, 'B',    105,    315,  55, '1650' , '1LIN10K'        , 'A/D converter bipolar'),
  ('16', '16501000',         24, 'B',    189,    567,  55, '1650' , '1LIN10K'        , 'A/D converter bipolar'),
  ('16', '16504000',          8, 'B',     10,     30,  55, '1650' , '1LIN300'        , 'A/D converter CMOS'),
  ('16', '16504000',         10, 'B',     18,     54,  55, '1650' , '1LIN300'        , 'A/D converter CMOS'),
  ('16', '16504000',         12, 'B',   32.4,   97.2,  55, '1650' , '1LIN1K'         , 'A/D converter CMOS'),
  ('16', '16504000',         14, 'B',   58.3,    175,  55, '1650' , '1LIN1K'         , 'A/D converter CMOS'),
  ('16', '16504000',         16, 'B',    105,    315,  55, '1650' , '1LIN10K'        , 'A/D converter CMOS'),
  ('16', '16504000',         24, 'B',    189,    567,  55, '1650' , '1LIN10K'        , 'A/D converter CMOS'),
  ('16', '16505000',          8, 'B',     10,     30,  55, '1650' , '1LIN300'        , 'A/D converter BiCMOS'),
  ('16', '16505000',         10, 'B',     18,     54,  55, '1650' , '1LIN300'        , 'A/D converter BiCMOS'),
  ('16', '16505000',         12, 'B',   32.4,   97.2,  55, '1650' , '1LIN1K'         , 'A/D converter BiCMOS'),
  ('16', '16505000',         14, 'B',   58.3,    175,  55, '1650' , '1LIN1K'         , 'A/D converter BiCMOS'),
  ('16', '16505000',         16, 'B',    105,    315,  55, '1650' , '1LIN10K'        , 'A/D converter BiCMOS'),
  ('16', '16505000',         24, 'B',    189,    567,  55, '1650' , '1LIN10K'        , 'A/D converter BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Umax', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '1650%';

-- 1660 D/A converter bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('16', '16601000',          8, 'B',      8,     24,  55, '1660' , '1LIN300'        , 'D/A converter bipolar'),
  ('16', '16601000',         10, 'B',   14.4,   43.2,  55, '1660' , '1LIN300'        , 'D/A converter bipolar'),
  ('16', '16601000',         12, 'B',   25.9,   77.8,  55, '1660' , '1LIN1K'         , 'D/A converter bipolar'),
  ('16', '16601000',         14, 'B',   46.7,    140,  55, '1660' , '1LIN1K'         , 'D/A converter bipolar'),
  ('16', '16601000',         16, 'B',     84,    252,  55, '1660' , '1LIN10K'        , 'D/A converter bipolar'),
  ('16', '16601000',         24, 'B',    151,    453,  55, '1660' , '1LIN10K'        , 'D/A converter bipolar'),
  ('16', '16604000',          8, 'B',      8,     24,  55, '1660' , '1LIN300'        , 'D/A converter CMOS'),
  ('16', '16604000',         10, 'B',   14.4,   43.2,  55, '1660' , '1LIN300'        , 'D/A converter CMOS'),
  ('16', '16604000',         12, 'B',   25.9,   77.8,  55, '1660' , '1LIN1K'         , 'D/A converter CMOS'),
  ('16', '16604000',         14, 'B',   46.7,    140,  55, '1660' , '1LIN1K'         , 'D/A converter CMOS'),
  ('16', '16604000',         16, 'B',     84,    252,  55, '1660' , '1LIN10K'        , 'D/A converter CMOS'),
  ('16', '16604000',         24, 'B',    151,    453,  55, '1660' , '1LIN10K'        , 'D/A converter CMOS'),
  ('16', '16605000',          8, 'B',      8,     24,  55, '1660' , '1LIN300'        , 'D/A converter BiCMOS'),
  ('16', '16605000',         10, 'B',   14.4,   43.2,  55, '1660' , '1LIN300'        , 'D/A converter BiCMOS'),
  ('16', '16605000',         12, 'B',   25.9,   77.8,  55, '1660' , '1LIN1K'         , 'D/A converter BiCMOS'),
  ('16', '16605000',         14, 'B',   46.7,    140,  55, '1660' , '1LIN1K'         , 'D/A converter BiCMOS'),
  ('16', '16605000',         16, 'B',     84,    252,  55, '1660' , '1LIN10K'        , 'D/A converter BiCMOS'),
  ('16', '16605000',         24, 'B',    151,    453,  55, '1660' , '1LIN10K'        , 'D/A converter BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Umax', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '1660%';

-- 1670 V/F converter bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('16', '16701000',          8, 'B',      8,     24,  55, '1670' , '1LIN300'        , 'V/F converter bipolar'),
  ('16', '16701000',         10, 'B',   14.4,   43.2,  55, '1670' , '1LIN300'        , 'V/F converter bipolar'),
  ('16', '16701000',         12, 'B',   25.9,   77.8,  55, '1670' , '1LIN1K'         , 'V/F converter bipolar'),
  ('16', '16701000',         14, 'B',   46.7,    140,  55, '1670' , '1LIN1K'         , 'V/F converter bipolar'),
  ('16', '16701000',         16, 'B',     84,    252,  55, '1670' , '1LIN10K'        , 'V/F converter bipolar'),
  ('16', '16701000',         24, 'B',    151,    453,  55, '1670' , '1LIN10K'        , 'V/F converter bipolar'),
  ('16', '16704000',          8, 'B',      8,     24,  55, '1670' , '1LIN300'        , 'V/F converter CMOS'),
  ('16', '16704000',         10, 'B',   14.4,   43.2,  55, '1670' , '1LIN300'        , 'V/F converter CMOS'),
  ('16', '16704000',         12, 'B',   25.9,   77.8,  55, '1670' , '1LIN1K'         , 'V/F converter CMOS'),
  ('16', '16704000',         14, 'B',   46.7,    140,  55, '1670' , '1LIN1K'         , 'V/F converter CMOS'),
  ('16', '16704000',         16, 'B',     84,    252,  55, '1670' , '1LIN10K'        , 'V/F converter CMOS'),
  ('16', '16704000',         24, 'B',    151,    453,  55, '1670' , '1LIN10K'        , 'V/F converter CMOS'),
  ('16', '16705000',          8, 'B',      8,     24,  55, '1670' , '1LIN300'        , 'V/F converter BiCMOS'),
  ('16', '16705000',         10, 'B',   14.4,   43.2,  55, '1670' , '1LIN300'        , 'V/F converter BiCMOS'),
  ('16', '16705000',         12, 'B',   25.9,   77.8,  55, '1670' , '1LIN1K'         , 'V/F converter BiCMOS'),
  ('16', '16705000',         14, 'B',   46.7,    140,  55, '1670' , '1LIN1K'         , 'V/F converter BiCMOS'),
  ('16', '16705000',         16, 'B',     84,    252,  55, '1670' , '1LIN10K'        , 'V/F converter BiCMOS'),
  ('16', '16705000',         24, 'B',    151,    453,  55, '1670' , '1LIN10K'        , 'V/F converter BiCMOS');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Umax', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '1670%';

-- 1680 Linear RF circuit bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('16', '16801000',         30, 'T',     10,     30,  55, '1680' , '1LIN100'        , 'Linear RF circuit bipolar'),
  ('16', '16801000',        100, 'T',     18,     54,  55, '1680' , '1LIN100'        , 'Linear RF circuit bipolar'),
  ('16', '16801000',        300, 'T',   32.4,   97.2,  55, '1680' , '1LIN300'        , 'Linear RF circuit bipolar'),
  ('16', '16801000',       1000, 'T',   58.3,    175,  55, '1680' , '1LIN1K'         , 'Linear RF circuit bipolar'),
  ('16', '16801000',       3000, 'T',    105,    315,  55, '1680' , '1LIN10K'        , 'Linear RF circuit bipolar'),
  ('16', '16801000',      10000, 'T',    189,    567,  55, '1680' , '1LIN10K'        , 'Linear RF circuit bipolar'),
  ('16', '16804000',         30, 'T',     10,     30,  55, '1680' , '1LIN100'        , 'Linear RF circuit CMOS'),
  ('16', '16804000',        100, 'T',     18,     54,  55, '1680' , '1LIN100'        , 'Linear RF circuit CMOS'),
  ('16', '16804000',        300, 'T',   32.4,   97.2,  55, '1680' , '1LIN300'        , 'Linear RF circuit CMOS'),
  ('16', '16804000',       1000, 'T',   58.3,    175,  55, '1680' , '1LIN1K'         , 'Linear RF circuit CMOS'),
  ('16', '16804000',       3000, 'T',    105,    315,  55, '1680' , '1LIN10K'        , 'Linear RF circuit CMOS'),
  ('16', '16804000',      10000, 'T',    189,    567,  55, '1680' , '1LIN10K'        , 'Linear RF circuit CMOS'),
  ('16', '16807000',         30, 'T',     10,     30,  55, '1680' , '1LIN100'        , 'Linear RF circuit high-voltage'),
  ('16', '16807000',        100, 'T',     18,     54,  55, '1680' , '1LIN100'        , 'Linear RF circuit high-voltage'),
  ('16', '16807000',        300, 'T',   32.4,   97.2,  55, '1680' , '1LIN300'        , 'Linear RF circuit high-voltage'),
  ('16', '16807000',       1000, 'T',   58.3,    175,  55, '1680' , '1LIN1K'         , 'Linear RF circuit high-voltage'),
  ('16', '16807000',       3000, 'T',    105,    315,  55, '1680' , '1LIN10K'        , 'Linear RF circuit high-voltage'),
  ('16', '16807000',      10000, 'T',    189,    567,  55, '1680' , '1LIN10K'        , 'Linear RF circuit high-voltage');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Umax', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '1680%';

-- 1683 Linear RF circuit GaAs (MMIC)
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('16', '16836000',        100, 'T',     40,    120,  55, '1683' , NULL             , 'Linear RF circuit GaAs (MMIC)'),
  ('16', '16836000',       1000, 'T',     72,    216,  55, '1683' , NULL             , 'Linear RF circuit GaAs (MMIC)');
UPDATE ARMILQRM SET Parameter = 'K1,Gec,Pin,Ntyp,Rte,Tumax,Kfm,Qkm,Umax', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '1683%';

-- 2110 Small-signal transistor bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('21', '21101000',          0, '' ,      3,      9,  55, '2110' , '2TRLFBIP'       , 'Small-signal transistor bipolar'),
  ('21', '21102000',          0, '' ,      3,      9,  55, '2110' , '2TRLFMOSFET'    , 'Small-signal transistor MOSFET'),
  ('21', '21103000',          0, '' ,      3,      9,  55, '2110' , '2TRLFJFET'      , 'Small-signal transistor junction FET');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Nmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '2110%';

-- 2130 Medium-power transistor bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('21', '21301000',          0, '' ,      6,     18,  70, '2130' , '2TRLFBIP'       , 'Medium-power transistor bipolar'),
  ('21', '21302000',          0, '' ,      6,     18,  70, '2130' , '2TRLFMOSFET'    , 'Medium-power transistor MOSFET');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Nmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '2130%';

-- 2140 Power transistor bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('21', '21401000',          0, '' ,     15,     45,  85, '2140' , '2TRLFBIP'       , 'Power transistor bipolar'),
  ('21', '21402000',          0, '' ,     15,     45,  85, '2140' , '2TRLFMOSFET'    , 'Power transistor MOSFET'),
  ('21', '21404000',          0, '' ,     15,     45,  85, '2140' , '2TRLFMOSFET'    , 'Power transistor IGBT');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Nmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '2140%';

-- 2160 RF transistor bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('21', '21601000',          0, '' ,      8,     24,  55, '2160' , '2TRHFBIP'       , 'RF transistor bipolar'),
  ('21', '21602000',          0, '' ,      8,     24,  55, '2160' , '2TRHFSIFET'     , 'RF transistor silicon FET');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Nmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '2160%';

-- 2170 GaAs FET
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('21', '21706000',          0, '' ,     20,     60,  55, '2170' , '2TRHFGAASFET'   , 'GaAs FET');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Nmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '2170%';

-- 2180 RF power transistor bipolar
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('21', '21801000',          0, '' ,     40,    120,  85, '2180' , '2TRHFHPBIPAU'   , 'RF power transistor bipolar'),
  ('21', '21802000',          0, '' ,     40,    120,  85, '2180' , '2TRHFSIFET'     , 'RF power transistor silicon FET');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Nmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '2180%';

-- 2120 Transistor array NPN
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('21', '21201100',          0, '' ,      4,     12,  55, '2120' , '2TRLFBIP'       , 'Transistor array NPN'),
  ('21', '21201200',          0, '' ,      4,     12,  55, '2120' , '2TRLFBIP'       , 'Transistor array PNP'),
  ('21', '21201300',          0, '' ,      4,     12,  55, '2120' , '2TRLFBIP'       , 'Transistor array complementary');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Nmax,Kfm,Qkm,Vf', QRM = 'Ub/Vue,Tei/Nmw,Drift,Kf,Qkm' WHERE BacTec LIKE '2120%';

-- 2210 Switching diode
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('22', '22100000',          0, '' ,      1,      3,  55, '2210' , '2DIOLFS'        , 'Switching diode');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2210%';

-- 2220 Zener/reference diode
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('22', '22200000',          0, '' ,      2,      6,  55, '2220' , '2DIOLFVR'       , 'Zener/reference diode');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2220%';

-- 2230 Varactor diode
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('22', '22300000',          0, '' ,      2,      6,  55, '2230' , '2DIOHFVAR'      , 'Varactor diode');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2230%';

-- 2240 Schottky diode
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('22', '22400000',          0, '' ,      2,      6,  55, '2240' , '2DIOLFPRS'      , 'Schottky diode');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2240%';

-- 2250 Transient voltage suppressor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('22', '22500000',          0, '' ,      3,      9,  55, '2250' , '2DIOLFTS'       , 'Transient voltage suppressor');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2250%';

-- 2260 PIN diode
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('22', '22600000',          0, '' ,      3,      9,  55, '2260' , '2DIOHFPIN'      , 'PIN diode');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2260%';

-- 2270 Current regulator diode
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('22', '22700000',          0, '' ,      3,      9,  55, '2270' , '2DIOLFCR'       , 'Current regulator diode');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2270%';

-- 2510 Rectifier diode
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('25', '25100000',          0, '' ,      3,      9,  70, '2510' , '2DIOLFGPA'      , 'Rectifier diode');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2510%';

-- 2520 Bridge rectifier
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('25', '25200000',          0, '' ,      8,     24,  70, '2520' , '2DIOLFGPA'      , 'Bridge rectifier');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2520%';

-- 2530 Fast-recovery rectifier
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('25', '25300000',          0, '' ,      5,     15,  70, '2530' , '2DIOLFPRF'      , 'Fast-recovery rectifier');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2530%';

-- 2540 Thyristor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('25', '25400000',          0, '' ,     10,     30,  70, '2540' , '2THYR'          , 'Thyristor');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2540%';

-- 2550 Triac
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('25', '25500000',          0, '' ,     12,     36,  70, '2550' , '2THYR'          , 'Triac');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '2550%';

-- 3110 Phototransistor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('31', '31100000',          0, '' ,      5,     15,  55, '3110' , '3PHOTOTR'       , 'Phototransistor');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3110%';

-- 3130 Photodiode
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('31', '31300000',          0, '' ,      4,     12,  55, '3130' , '3PHOTODIO'      , 'Photodiode');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3130%';

-- 3120 Optocoupler transistor output
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('31', '31201000',          0, '' ,      6,     18,  55, '3120' , '3ISOPTS'        , 'Optocoupler transistor output');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3120%';

-- 3121 Optocoupler transistor output
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('31', '31211000',          0, '' ,      6,     18,  55, '3120' , '3ISOPTS'        , 'Optocoupler transistor output'),
  ('31', '31211200',          0, '' ,      6,     18,  55, '3120' , '3ISOPTD'        , 'Optocoupler dual transistor output'),
  ('31', '31212000',          0, '' ,      6,     18,  55, '3120' , '3ISOPDLS'       , 'Optocoupler Darlington output'),
  ('31', '31213000',          0, '' ,      6,     18,  55, '3120' , '3ISOPDS'        , 'Optocoupler photodiode output');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3121%';

-- 3123 Optocoupler with logic output single
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('31', '31231000',          0, '' ,      6,     18,  55, '3120' , '3ISOPDS'        , 'Optocoupler with logic output single'),
  ('31', '31231200',          0, '' ,      6,     18,  55, '3120' , '3ISOPDD'        , 'Optocoupler with logic output dual');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ub/Vue,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3123%';

-- 3210 LED
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32100000',          0, '' ,     .5,    1.5,  55, '3210' , '3LED'           , 'LED'),
  ('32', '32100100',          0, '' ,     .5,    1.5,  55, '3210' , '3LED'           , 'LED red'),
  ('32', '32100200',          0, '' ,     .5,    1.5,  55, '3210' , '3LED'           , 'LED green'),
  ('32', '32100300',          0, '' ,     .5,    1.5,  55, '3210' , '3LED'           , 'LED yellow'),
  ('32', '32100400',          0, '' ,     .5,    1.5,  55, '3210' , '3LED'           , 'LED blue'),
  ('32', '32100500',          0, '' ,     .5,    1.5,  55, '3210' , '3LED'           , 'LED white');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ib/Vie,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3210%';

-- 3220 LED display
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32200000',          0, '' ,      5,     15,  55, '3220' , '3DISPSEG'       , 'LED display');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm,Vf', QRM = 'Ib/Vie,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3220%';

-- 3221 LED seven-segment display
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32210000',          0, '' ,      5,     15,  55, '3220' , '3DISPSEG'       , 'LED seven-segment display');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm,Vf', QRM = 'Ib/Vie,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3221%';

-- 3222 LED sixteen-segment display
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32220000',          0, '' ,      6,     18,  55, '3220' , '3DISPSEG'       , 'LED sixteen-segment display');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm,Vf', QRM = 'Ib/Vie,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3222%';

-- 3223 LED dot-matrix display
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32230000',          0, '' ,      8,     24,  55, '3220' , '3DISPARR'       , 'LED dot-matrix display');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm,Vf', QRM = 'Ib/Vie,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3223%';

-- 3224 LED dot-matrix display with driver
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32240000',          0, '' ,     10,     30,  55, '3220' , '3DISPARR'       , 'LED dot-matrix display with driver');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm,Vf', QRM = 'Ib/Vie,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3224%';

-- 3227 Liquid-crystal display
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32270000',          0, '' ,     20,     60,  40, '3227' , NULL             , 'Liquid-crystal display'),
  ('32', '32271000',          0, '' ,     20,     60,  40, '3227' , NULL             , 'Liquid-crystal display reflective'),
  ('32', '32272000',          0, '' ,     20,     60,  40, '3227' , NULL             , 'Liquid-crystal display transmissive');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Tei,Kf' WHERE BacTec LIKE '3227%';

-- 3230 Infrared emitting diode
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32300000',          0, '' ,      1,      3,  55, '3210' , '3IRLED'         , 'Infrared emitting diode');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ib/Vie,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3230%';

-- 3240 LED bar graph
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32400000',          0, '' ,      5,     15,  55, '3210' , '3LED'           , 'LED bar graph');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm,Vf', QRM = 'Ib/Vie,Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3240%';

-- 3250 Laser diode GaAs/AlGaAs
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('32', '32501000',          0, '' ,    100,    300,  55, '3250' , '3LASERDIOGA'    , 'Laser diode GaAs/AlGaAs'),
  ('32', '32502000',          0, '' ,    100,    300,  55, '3250' , '3LASERDIOIN'    , 'Laser diode InGaAs/InGaAsP');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Ib/Vie,Degr,Tei/Nmw,Kf' WHERE BacTec LIKE '3250%';

-- 3310 Slotted optical switch
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('33', '33100000',          0, '' ,      8,     24,  55, '3310' , '3ISOPTS'        , 'Slotted optical switch');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3310%';

-- 3320 Reflective optical sensor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('33', '33200000',          0, '' ,      8,     24,  55, '3310' , '3ISOPTS'        , 'Reflective optical sensor');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Rte,Umax,Imax,Kfm,Qkm', QRM = 'Tei/Nmw,Kf,Qkm' WHERE BacTec LIKE '3320%';

-- 3410 Fibre-optic connector single
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('34', '34100100',          0, '' ,     20,     60,  40, '3410' , '3FIBERCON'      , 'Fibre-optic connector single'),
  ('34', '34100200',          0, '' ,     20,     60,  40, '3410' , '3FIBERCON'      , 'Fibre-optic connector 2 fibres'),
  ('34', '34100300',          0, '' ,     20,     60,  40, '3410' , '3FIBERCON'      , 'Fibre-optic connector 4 fibres'),
  ('34', '34100400',          0, '' ,     20,     60,  40, '3410' , '3FIBERCON'      , 'Fibre-optic connector 8 fibres'),
  ('34', '34100500',          0, '' ,     20,     60,  40, '3410' , '3FIBERCON'      , 'Fibre-optic connector 12 fibres');
UPDATE ARMILQRM SET Parameter = 'Vf,Kfm', QRM = 'Kf' WHERE BacTec LIKE '3410%';

-- 3420 Fibre-optic cable per km
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('34', '34200000',          0, '' ,     50,    150,  40, '3410' , '3FIBERCABLE'    , 'Fibre-optic cable per km');
UPDATE ARMILQRM SET Parameter = 'Vf,Kfm', QRM = 'Kf' WHERE BacTec LIKE '3420%';

-- 3610 Cathode-ray tube
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('36', '36100000',          0, '' ,   2000,   6000,  55, '3610' , '3CRT'           , 'Cathode-ray tube');
UPDATE ARMILQRM SET Parameter = 'Kfm', QRM = 'Kf' WHERE BacTec LIKE '3610%';

-- 3620 Vidicon
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('36', '36200000',          0, '' ,   5000,  15000,  55, '3610' , '3VIDICONSI'     , 'Vidicon');
UPDATE ARMILQRM SET Parameter = 'Kfm', QRM = 'Kf' WHERE BacTec LIKE '3620%';

-- 3710 Incandescent lamp
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('37', '37100000',          0, '' ,    100,    500,  40, '3710' , '3LAMPS'         , 'Incandescent lamp'),
  ('37', '37101100',          0, '' ,    100,    500,  40, '3710' , '3LAMPS'         , 'Incandescent lamp miniature'),
  ('37', '37101200',          0, '' ,    100,    500,  40, '3710' , '3LAMPS'         , 'Incandescent lamp signal'),
  ('37', '37102100',          0, '' ,    100,    500,  40, '3710' , '3LAMPS'         , 'Incandescent lamp halogen');
UPDATE ARMILQRM SET Parameter = 'Unen,Kfm', QRM = 'Ub/Vue,Zf,Acdc,Kf' WHERE BacTec LIKE '3710%';

-- 3720 Neon lamp
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('37', '37200000',          0, '' ,     50,    200,  40, '3720' , '3NEONLAMPS'     , 'Neon lamp');
UPDATE ARMILQRM SET Parameter = 'Unen,Kfm', QRM = 'Ub/Vue,Kf' WHERE BacTec LIKE '3720%';

-- 4110 Ceramic capacitor class 1
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('41', '41101000',          0, '' ,     .5,    1.5,  40, '4110' , '4CC'            , 'Ceramic capacitor class 1'),
  ('41', '41102000',          0, '' ,      1,      3,  40, '4111' , '4CK'            , 'Ceramic capacitor class 2'),
  ('41', '41102100',          0, '' ,      1,      3,  40, '4111' , '4CDR'           , 'Multilayer ceramic capacitor class 2'),
  ('41', '41103000',          0, '' ,      2,      6,  40, '4111' , '4CK'            , 'Ceramic capacitor class 3'),
  ('41', '41103100',          0, '' ,      2,      6,  40, '4111' , '4CDR'           , 'Multilayer ceramic capacitor class 3');
UPDATE ARMILQRM SET Parameter = 'Gec,Umax,Tbmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei,Qks,Kf,Qkm' WHERE BacTec LIKE '4110%';

-- 4120 Solid tantalum capacitor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('41', '41201000',          0, '' ,      2,      6,  40, '4120' , '4CFCS'          , 'Solid tantalum capacitor'),
  ('41', '41202000',          0, '' ,      3,      9,  40, '4120' , '4CL'            , 'Non-solid tantalum capacitor');
UPDATE ARMILQRM SET Parameter = 'Gec,Umax,Tbmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei,Qks,Kf,Qkm' WHERE BacTec LIKE '4120%';

-- 4130 Aluminium electrolytic capacitor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('41', '41300000',          0, '' ,      5,     15,  40, '4130' , '4CU'            , 'Aluminium electrolytic capacitor');
UPDATE ARMILQRM SET Parameter = 'Gec,Umax,Tbmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei,Qks,Kf,Qkm' WHERE BacTec LIKE '4130%';

-- 4140 Plastic film capacitor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('41', '41400000',          0, '' ,     .5,    1.5,  40, '4140' , '4CRH'           , 'Plastic film capacitor');
UPDATE ARMILQRM SET Parameter = 'Gec,Umax,Tbmax,Kfm,Qkm', QRM = 'Ub/Vue,Tei,Qks,Kf,Qkm' WHERE BacTec LIKE '4140%';

-- 4210 Metal film resistor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('42', '42100000',          0, '' ,     .2,     .6,  40, '4210' , '4RN'            , 'Metal film resistor'),
  ('42', '42101000',          0, '' ,     .2,     .6,  40, '4210' , '4RN'            , 'Metal film resistor precision');
UPDATE ARMILQRM SET Parameter = 'Gec,Nmax,Tbmax,Kfm,Qkm', QRM = 'Nmw/Vne,Tei,Kf,Qkm' WHERE BacTec LIKE '4210%';

-- 4220 High-value film resistor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('42', '42200000',          0, '' ,     .3,     .9,  40, '4210' , '4RN'            , 'High-value film resistor');
UPDATE ARMILQRM SET Parameter = 'Gec,Nmax,Tbmax,Kfm,Qkm', QRM = 'Nmw/Vne,Tei,Kf,Qkm' WHERE BacTec LIKE '4220%';

-- 4230 Carbon composition resistor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('42', '42300000',          0, '' ,     .3,     .9,  40, '4230' , '4RC'            , 'Carbon composition resistor');
UPDATE ARMILQRM SET Parameter = 'Gec,Nmax,Tbmax,Kfm,Qkm', QRM = 'Nmw/Vne,Tei,Kf,Qkm' WHERE BacTec LIKE '4230%';

-- 4240 Wirewound power resistor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('42', '42400000',          0, '' ,      1,      3,  40, '4240' , '4RW'            , 'Wirewound power resistor');
UPDATE ARMILQRM SET Parameter = 'Gec,Nmax,Tbmax,Kfm,Qkm', QRM = 'Nmw/Vne,Tei,Kf,Qkm' WHERE BacTec LIKE '4240%';

-- 4250 Resistor network
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('42', '42500000',          0, '' ,     .1,     .3,  40, '4250' , '4RZ'            , 'Resistor network');
UPDATE ARMILQRM SET Parameter = 'Gec,Nmax,Tbmax,Kfm,Qkm,Vf', QRM = 'Nmw/Vne,Tei,Kf,Qkm' WHERE BacTec LIKE '4250%';

-- 4260 NTC thermistor bead
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('42', '42601000',          0, '' ,      2,      6,  40, '4260' , '4RTHBEAD'       , 'NTC thermistor bead'),
  ('42', '42602000',          0, '' ,      2,      6,  40, '4260' , '4RTHDISK'       , 'NTC thermistor disk'),
  ('42', '42603000',          0, '' ,      2,      6,  40, '4260' , '4RTHROD'        , 'NTC thermistor rod');
UPDATE ARMILQRM SET Parameter = 'Gec,Nmax,Tbmax,Kfm,Qkm', QRM = 'Nmw/Vne,Tei,Kf,Qkm' WHERE BacTec LIKE '4260%';

-- 4270 Trimming potentiometer
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('42', '42700000',          0, '' ,      5,     15,  40, '4270' , '4PTRIM'         , 'Trimming potentiometer');
UPDATE ARMILQRM SET Parameter = 'Gec,Nmax,Tbmax,Kfm,Qkm', QRM = 'Nmw/Vne,Tei,Kf,Qkm' WHERE BacTec LIKE '4270%';

-- 4280 Power film resistor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('42', '42800000',          0, '' ,     .5,    1.5,  40, '4280' , '4RD'            , 'Power film resistor');
UPDATE ARMILQRM SET Parameter = 'Gec,Nmax,Tbmax,Kfm,Qkm', QRM = 'Nmw/Vne,Tei,Kf,Qkm' WHERE BacTec LIKE '4280%';

-- 4310 Power transformer
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('43', '43100000',          0, '' ,      5,     15,  40, '4310' , '4ITRPOWER'      , 'Power transformer'),
  ('43', '43101000',          0, '' ,      3,      9,  40, '4310' , '4ITRAUDIO'      , 'Audio transformer'),
  ('43', '43102000',          0, '' ,      3,      9,  40, '4310' , '4ITRPULSE'      , 'Pulse transformer');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Tbmax,Kfm,Qkm', QRM = 'Tei,Kf,Qkm' WHERE BacTec LIKE '4310%';

-- 4320 Choke
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('43', '43200000',          0, '' ,      1,      3,  40, '4310' , '4ICOIL'         , 'Choke');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Tbmax,Kfm,Qkm', QRM = 'Tei,Kf,Qkm' WHERE BacTec LIKE '4320%';

-- 4330 Coil
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('43', '43300000',          0, '' ,      1,      3,  40, '4310' , '4ICOIL'         , 'Coil');
UPDATE ARMILQRM SET Parameter = 'Gec,Pin,Tbmax,Kfm,Qkm', QRM = 'Tei,Kf,Qkm' WHERE BacTec LIKE '4330%';

-- 4410 EMI filter
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('44', '44100000',          0, '' ,      2,      6,  40, '4410' , '4FILTER'        , 'EMI filter');
UPDATE ARMILQRM SET Parameter = 'Gec,Tbmax,Kfm', QRM = 'Tei,Kf' WHERE BacTec LIKE '4410%';

-- 4510 Ferrite bead
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('45', '45100000',          0, '' ,     .2,     .6,  40, '4410' , '4FERRITE'       , 'Ferrite bead');
UPDATE ARMILQRM SET Parameter = 'Gec,Tbmax,Kfm', QRM = 'Tei,Kf' WHERE BacTec LIKE '4510%';

-- 4610 Quartz crystal
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('46', '46100000',          0, '' ,      5,     15,  40, '4610' , '4QCRYSTAL'      , 'Quartz crystal');
UPDATE ARMILQRM SET Parameter = 'Gec,Fnen,Tbmax,Kfm', QRM = 'Tei,Kf,Qkm' WHERE BacTec LIKE '4610%';

-- 4620 Crystal oscillator
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('46', '46200000',          0, '' ,     10,     30,  40, '4610' , '4QCRYSTAL'      , 'Crystal oscillator');
UPDATE ARMILQRM SET Parameter = 'Gec,Fnen,Tbmax,Kfm', QRM = 'Tei,Kf,Qkm' WHERE BacTec LIKE '4620%';

-- 5110 Hand solder joint
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('51', '51100000',          0, '' ,     .3,     .9,  40, '5110' , '5SOLDERHAND'    , 'Hand solder joint');
UPDATE ARMILQRM SET Parameter = 'Vf,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5110%';

-- 5120 Machine solder joint
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('51', '51200000',          0, '' ,    .03,    .09,  40, '5110' , '5SOLDERREFLOW'  , 'Machine solder joint');
UPDATE ARMILQRM SET Parameter = 'Vf,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5120%';

-- 5130 Crimp connection
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('51', '51300000',          0, '' ,    .25,    .75,  40, '5110' , '5CRIMP'         , 'Crimp connection');
UPDATE ARMILQRM SET Parameter = 'Vf,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5130%';

-- 5140 Wire-wrap connection
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('51', '51400000',          0, '' ,    .01,    .03,  40, '5110' , '5WRAP'          , 'Wire-wrap connection');
UPDATE ARMILQRM SET Parameter = 'Vf,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5140%';

-- 5150 Welded connection
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('51', '51500000',          0, '' ,    .05,    .15,  40, '5110' , '5WELD'          , 'Welded connection');
UPDATE ARMILQRM SET Parameter = 'Vf,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5150%';

-- 5160 Terminal block connection
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('51', '51600000',          0, '' ,     .5,    1.5,  40, '5110' , '5TERMBLOCK'     , 'Terminal block connection');
UPDATE ARMILQRM SET Parameter = 'Vf,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5160%';

-- 5112 Connections of the module (summary position)
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('51', '51120000',          0, '' ,     .5,      2,  40, '5112' , '5CONNMODULE'    , 'Connections of the module (summary position)');
UPDATE ARMILQRM SET Parameter = 'Kfm', QRM = 'Kf' WHERE BacTec LIKE '5112%';

-- 5210 Circular connector
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('52', '52101000',          0, '' ,     .1,     .3,  40, '5210' , '5CONB'          , 'Circular connector'),
  ('52', '52102000',          0, '' ,     .1,     .3,  40, '5210' , '5CONB'          , 'Rectangular connector'),
  ('52', '52103000',          0, '' ,     .1,     .3,  40, '5210' , '5CONA'          , 'Connector ceramic insert');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Tbmax,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5210%';

-- 5220 Printed-board connector
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('52', '52200000',          0, '' ,     .1,     .3,  40, '5210' , '5CONPCB'        , 'Printed-board connector');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Tbmax,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5220%';

-- 5230 Coaxial connector
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('52', '52300000',          0, '' ,     .1,     .3,  40, '5210' , '5CONC'          , 'Coaxial connector');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Tbmax,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5230%';

-- 5240 IC socket
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('52', '52401000',          0, '' ,     .1,     .3,  40, '5210' , '5ICSOCKET'      , 'IC socket'),
  ('52', '52402000',          0, '' ,     .1,     .3,  40, '5210' , '5ICSOCKET'      , 'Relay socket');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Tbmax,Kfm', QRM = 'Kf' WHERE BacTec LIKE '5240%';

-- 5310 General-purpose relay monostable
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('53', '53101200',          0, '' ,      3,      9,  40, '5310' , '5RELGP'         , 'General-purpose relay monostable'),
  ('53', '53102200',          0, '' ,      3,      9,  40, '5310' , '5RELLATCH'      , 'General-purpose relay latching'),
  ('53', '53103200',          0, '' ,      3,      9,  40, '5310' , '5RELGP'         , 'Polarised relay'),
  ('53', '53104200',          0, '' ,      3,      9,  40, '5310' , '5RELGP'         , 'High-reliability relay');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Inen,Tbmax,Kfm,Qkm', QRM = 'Lab,Kl,Acdc,Akr,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5310%';

-- 5320 Reed relay
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('53', '53201100',          0, '' ,      3,      9,  40, '5320' , '5RELREED'       , 'Reed relay'),
  ('53', '53201300',          0, '' ,      3,      9,  40, '5320' , '5RELREED'       , 'Mercury-wetted reed relay');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Inen,Tbmax,Kfm,Qkm', QRM = 'Lab,Kl,Acdc,Akr,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5320%';

-- 5330 Power relay
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('53', '53302100',          0, '' ,      3,      9,  40, '5330' , '5RELPOWER'      , 'Power relay'),
  ('53', '53303100',          0, '' ,      3,      9,  40, '5330' , '5RELPOWER'      , 'Power relay high current');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Inen,Tbmax,Kfm,Qkm', QRM = 'Lab,Kl,Acdc,Akr,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5330%';

-- 5340 Time-delay relay
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('53', '53400000',          0, '' ,      3,      9,  40, '5340' , '5RELTD'         , 'Time-delay relay');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Inen,Tbmax,Kfm,Qkm', QRM = 'Lab,Kl,Acdc,Akr,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5340%';

-- 5410 Toggle switch
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('54', '54100000',          0, '' ,      1,      3,  40, '5410' , '5SWTOG'         , 'Toggle switch');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Tbmax,Kfm,Qkm', QRM = 'Lab,Kl,Acdc,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5410%';

-- 5420 Pushbutton switch
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('54', '54200000',          0, '' ,      1,      3,  40, '5420' , '5SWPUSH'        , 'Pushbutton switch');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Tbmax,Kfm,Qkm', QRM = 'Lab,Kl,Acdc,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5420%';

-- 5430 Rotary switch
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('54', '54300000',          0, '' ,      1,      3,  40, '5430' , '5SWROT'         , 'Rotary switch');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Tbmax,Kfm,Qkm', QRM = 'Lab,Kl,Acdc,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5430%';

-- 5440 DIP switch
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('54', '54400000',          0, '' ,      1,      3,  40, '5440' , '5SWDIP'         , 'DIP switch');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Tbmax,Kfm,Qkm', QRM = 'Lab,Kl,Acdc,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5440%';

-- 5450 Sensitive switch
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('54', '54500000',          0, '' ,      1,      3,  40, '5450' , '5SWSENS'        , 'Sensitive switch');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Tbmax,Kfm,Qkm', QRM = 'Lab,Kl,Acdc,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5450%';

-- 5510 Contactor single-pole
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('55', '55100000',          0, '' ,     10,     30,  40, '5510' , '5CONTACTOR'     , 'Contactor single-pole');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Inen,Hisch,Tbmax,Kfm,Qkm', QRM = 'Ub,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5510%';

-- 5520 Contactor double-pole
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('55', '55200000',          0, '' ,     10,     30,  40, '5510' , '5CONTACTOR'     , 'Contactor double-pole');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Inen,Hisch,Tbmax,Kfm,Qkm', QRM = 'Ub,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5520%';

-- 5530 Contactor three-pole
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('55', '55300000',          0, '' ,     10,     30,  40, '5510' , '5CONTACTOR'     , 'Contactor three-pole');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Inen,Hisch,Tbmax,Kfm,Qkm', QRM = 'Ub,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5530%';

-- 5540 Auxiliary contactor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('55', '55400000',          0, '' ,     10,     30,  40, '5510' , '5CONTACTOR'     , 'Auxiliary contactor');
UPDATE ARMILQRM SET Parameter = 'Vf,Pin,Inen,Hisch,Tbmax,Kfm,Qkm', QRM = 'Ub,Ib/Vie,Sh,Kf,Qkm' WHERE BacTec LIKE '5540%';

-- 5550 Auxiliary contact of a contactor
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('55', '55500000',          0, '' ,      2,      2,  40, '5550' , NULL             , 'Auxiliary contact of a contactor');
UPDATE ARMILQRM SET Parameter = '', QRM = '' WHERE BacTec LIKE '5550%';

-- 5610 Fuse
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('56', '56100000',          0, '' ,      5,     15,  40, '5610' , '5FUSE'          , 'Fuse');
UPDATE ARMILQRM SET Parameter = 'Vf,Inen,Kfm', QRM = 'Ib,Kf' WHERE BacTec LIKE '5610%';

-- 5620 Miniature fuse
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('56', '56200000',          0, '' ,      3,     10,  40, '5610' , '5FUSE'          , 'Miniature fuse');
UPDATE ARMILQRM SET Parameter = 'Vf,Inen,Kfm', QRM = 'Ib,Kf' WHERE BacTec LIKE '5620%';

-- 5810 Miniature circuit breaker thermal
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('58', '58101000',          0, '' ,     20,     60,  40, '5810' , NULL             , 'Miniature circuit breaker thermal'),
  ('58', '58102000',          0, '' ,     20,     60,  40, '5810' , NULL             , 'Miniature circuit breaker magnetic'),
  ('58', '58103000',          0, '' ,     20,     60,  40, '5810' , NULL             , 'Miniature circuit breaker thermal-magnetic');
UPDATE ARMILQRM SET Parameter = 'Inen,Tbmax', QRM = 'Ub,Ib/Vie,Shy,Kf' WHERE BacTec LIKE '5810%';

-- 5820 Motor-protection switch thermal
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('58', '58201000',          0, '' ,     20,     60,  40, '5810' , NULL             , 'Motor-protection switch thermal'),
  ('58', '58202000',          0, '' ,     20,     60,  40, '5810' , NULL             , 'Motor-protection switch magnetic'),
  ('58', '58203000',          0, '' ,     20,     60,  40, '5810' , NULL             , 'Motor-protection switch thermal-magnetic');
UPDATE ARMILQRM SET Parameter = 'Inen,Tbmax', QRM = 'Ub,Ib/Vie,Shy,Kf' WHERE BacTec LIKE '5820%';

-- 5910 Keyboard membrane
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('59', '59101000',          0, '' ,     10,     30,  40, '5910' , NULL             , 'Keyboard membrane'),
  ('59', '59102000',          0, '' ,     10,     30,  40, '5910' , NULL             , 'Keyboard mechanical');
UPDATE ARMILQRM SET Parameter = 'Inen,Tbmax', QRM = 'Ib/Vie,Sh,Kf' WHERE BacTec LIKE '5910%';

-- 6110 Fan sleeve bearing
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('61', '61101000',          0, '' ,    200,    600,  40, '6110' , NULL             , 'Fan sleeve bearing'),
  ('61', '61102000',          0, '' ,    100,    300,  40, '6110' , NULL             , 'Fan ball bearing');
UPDATE ARMILQRM SET Parameter = 'Kfm', QRM = 'Kf' WHERE BacTec LIKE '6110%';

-- 6210 Lithium battery
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('62', '62101000',          0, '' ,     50,    150,  40, '6210' , NULL             , 'Lithium battery'),
  ('62', '62102000',          0, '' ,    100,    300,  40, '6210' , NULL             , 'NiMH accumulator');
UPDATE ARMILQRM SET Parameter = 'Kfm', QRM = 'Kf' WHERE BacTec LIKE '6210%';

-- 7110 Printed circuit board single-sided
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Txt) VALUES
  ('71', '71101000',          0, '' ,      1,      3,  40, '7110' , NULL             , 'Printed circuit board single-sided'),
  ('71', '71102000',          0, '' ,      2,      6,  40, '7110' , NULL             , 'Printed circuit board double-sided'),
  ('71', '71103000',          0, '' ,      5,     15,  40, '7110' , NULL             , 'Printed circuit board multilayer');
UPDATE ARMILQRM SET Parameter = 'Pin,Kfm', QRM = 'Kf' WHERE BacTec LIKE '7110%';
