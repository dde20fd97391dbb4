-- Housings GECRTH: housing kinds (a row whose Gec equals its Art) and housings
-- with their pin tables. Rthjamin/Rthjamax: thermal resistance junction to
-- ambient in still air, K/W (typical values of the demo installation). Param:
-- air-flow coefficients Par1 (share independent of the air speed) and Par2
-- (convective share). Her: hermeticity code, 1 hermetic, 2 non-hermetic,
-- 3 bare chip. Sort orders the groups of the housing choice; a kind of Sort 2
-- and above has one thermal resistance per housing whatever its pin count.
-- The kind EXTRA holds the special housings without thermal data.
-- Comment1/Comment2: German and English description of the housing; it does not
-- name the hermeticity, which the data check listing adds from Her.

-- DIP
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('DIP', 'DIP', 'Kunststoff-DIL (plastic DIP)', 1,   8, 100, 130, 'Par1=.4,Par2=.6', '2', 'Dual-in-line, Kunststoff', 'Dual in-line, plastic'),
  ('DIP', 'DIP', 'Kunststoff-DIL (plastic DIP)', 1,  14,  80, 100, 'Par1=.4,Par2=.6', '2', 'Dual-in-line, Kunststoff', 'Dual in-line, plastic'),
  ('DIP', 'DIP', 'Kunststoff-DIL (plastic DIP)', 1,  16,  75,  95, 'Par1=.4,Par2=.6', '2', 'Dual-in-line, Kunststoff', 'Dual in-line, plastic'),
  ('DIP', 'DIP', 'Kunststoff-DIL (plastic DIP)', 1,  18,  70,  90, 'Par1=.4,Par2=.6', '2', 'Dual-in-line, Kunststoff', 'Dual in-line, plastic'),
  ('DIP', 'DIP', 'Kunststoff-DIL (plastic DIP)', 1,  20,  65,  80, 'Par1=.4,Par2=.6', '2', 'Dual-in-line, Kunststoff', 'Dual in-line, plastic'),
  ('DIP', 'DIP', 'Kunststoff-DIL (plastic DIP)', 1,  24,  55,  70, 'Par1=.4,Par2=.6', '2', 'Dual-in-line, Kunststoff', 'Dual in-line, plastic'),
  ('DIP', 'DIP', 'Kunststoff-DIL (plastic DIP)', 1,  28,  50,  65, 'Par1=.4,Par2=.6', '2', 'Dual-in-line, Kunststoff', 'Dual in-line, plastic'),
  ('DIP', 'DIP', 'Kunststoff-DIL (plastic DIP)', 1,  40,  40,  55, 'Par1=.4,Par2=.6', '2', 'Dual-in-line, Kunststoff', 'Dual in-line, plastic'),
  ('DIP', 'DIP', 'Kunststoff-DIL (plastic DIP)', 1,  48,  35,  50, 'Par1=.4,Par2=.6', '2', 'Dual-in-line, Kunststoff', 'Dual in-line, plastic');

-- DIK
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('DIK', 'DIK', 'Keramik-DIL (ceramic DIP)', 1,   8,  90, 120, 'Par1=.4,Par2=.6', '1', 'Dual-in-line, Keramik', 'Dual in-line, ceramic'),
  ('DIK', 'DIK', 'Keramik-DIL (ceramic DIP)', 1,  14,  70,  90, 'Par1=.4,Par2=.6', '1', 'Dual-in-line, Keramik', 'Dual in-line, ceramic'),
  ('DIK', 'DIK', 'Keramik-DIL (ceramic DIP)', 1,  16,  65,  85, 'Par1=.4,Par2=.6', '1', 'Dual-in-line, Keramik', 'Dual in-line, ceramic'),
  ('DIK', 'DIK', 'Keramik-DIL (ceramic DIP)', 1,  18,  60,  80, 'Par1=.4,Par2=.6', '1', 'Dual-in-line, Keramik', 'Dual in-line, ceramic'),
  ('DIK', 'DIK', 'Keramik-DIL (ceramic DIP)', 1,  20,  55,  70, 'Par1=.4,Par2=.6', '1', 'Dual-in-line, Keramik', 'Dual in-line, ceramic'),
  ('DIK', 'DIK', 'Keramik-DIL (ceramic DIP)', 1,  24,  50,  65, 'Par1=.4,Par2=.6', '1', 'Dual-in-line, Keramik', 'Dual in-line, ceramic'),
  ('DIK', 'DIK', 'Keramik-DIL (ceramic DIP)', 1,  28,  45,  60, 'Par1=.4,Par2=.6', '1', 'Dual-in-line, Keramik', 'Dual in-line, ceramic'),
  ('DIK', 'DIK', 'Keramik-DIL (ceramic DIP)', 1,  40,  35,  50, 'Par1=.4,Par2=.6', '1', 'Dual-in-line, Keramik', 'Dual in-line, ceramic'),
  ('DIK', 'DIK', 'Keramik-DIL (ceramic DIP)', 1,  48,  30,  45, 'Par1=.4,Par2=.6', '1', 'Dual-in-line, Keramik', 'Dual in-line, ceramic');

-- FPK
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('FPK', 'FPK', 'Keramik-Flachgehäuse (ceramic flatpack)', 1,  10, 150, 200, 'Par1=.4,Par2=.6', '1', 'Flachgehäuse, Keramik', 'Flatpack, ceramic'),
  ('FPK', 'FPK', 'Keramik-Flachgehäuse (ceramic flatpack)', 1,  14, 120, 160, 'Par1=.4,Par2=.6', '1', 'Flachgehäuse, Keramik', 'Flatpack, ceramic'),
  ('FPK', 'FPK', 'Keramik-Flachgehäuse (ceramic flatpack)', 1,  16, 110, 150, 'Par1=.4,Par2=.6', '1', 'Flachgehäuse, Keramik', 'Flatpack, ceramic'),
  ('FPK', 'FPK', 'Keramik-Flachgehäuse (ceramic flatpack)', 1,  24,  90, 120, 'Par1=.4,Par2=.6', '1', 'Flachgehäuse, Keramik', 'Flatpack, ceramic');

-- CCP
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('CCP', 'CCP', 'Kunststoff-Chipträger PLCC (plastic chip carrier)', 1,  20,  80, 100, 'Par1=.4,Par2=.6', '2', 'Chipträger PLCC, Kunststoff', 'Chip carrier PLCC, plastic'),
  ('CCP', 'CCP', 'Kunststoff-Chipträger PLCC (plastic chip carrier)', 1,  28,  65,  85, 'Par1=.4,Par2=.6', '2', 'Chipträger PLCC, Kunststoff', 'Chip carrier PLCC, plastic'),
  ('CCP', 'CCP', 'Kunststoff-Chipträger PLCC (plastic chip carrier)', 1,  44,  50,  65, 'Par1=.4,Par2=.6', '2', 'Chipträger PLCC, Kunststoff', 'Chip carrier PLCC, plastic'),
  ('CCP', 'CCP', 'Kunststoff-Chipträger PLCC (plastic chip carrier)', 1,  68,  40,  55, 'Par1=.4,Par2=.6', '2', 'Chipträger PLCC, Kunststoff', 'Chip carrier PLCC, plastic'),
  ('CCP', 'CCP', 'Kunststoff-Chipträger PLCC (plastic chip carrier)', 1,  84,  35,  50, 'Par1=.4,Par2=.6', '2', 'Chipträger PLCC, Kunststoff', 'Chip carrier PLCC, plastic');

-- CCK
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('CCK', 'CCK', 'Keramik-Chipträger LCC (ceramic chip carrier)', 1,  20,  70,  90, 'Par1=.4,Par2=.6', '1', 'Chipträger LCC, Keramik', 'Chip carrier LCC, ceramic'),
  ('CCK', 'CCK', 'Keramik-Chipträger LCC (ceramic chip carrier)', 1,  28,  60,  75, 'Par1=.4,Par2=.6', '1', 'Chipträger LCC, Keramik', 'Chip carrier LCC, ceramic'),
  ('CCK', 'CCK', 'Keramik-Chipträger LCC (ceramic chip carrier)', 1,  44,  45,  60, 'Par1=.4,Par2=.6', '1', 'Chipträger LCC, Keramik', 'Chip carrier LCC, ceramic'),
  ('CCK', 'CCK', 'Keramik-Chipträger LCC (ceramic chip carrier)', 1,  68,  35,  50, 'Par1=.4,Par2=.6', '1', 'Chipträger LCC, Keramik', 'Chip carrier LCC, ceramic'),
  ('CCK', 'CCK', 'Keramik-Chipträger LCC (ceramic chip carrier)', 1,  84,  30,  45, 'Par1=.4,Par2=.6', '1', 'Chipträger LCC, Keramik', 'Chip carrier LCC, ceramic');

-- PGAK
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('PGAK', 'PGAK', 'Keramik-Pin-Grid-Array (ceramic PGA)', 1,  68,  30,  40, 'Par1=.3,Par2=.7', '1', 'Pin-Grid-Array, Keramik', 'Pin grid array, ceramic'),
  ('PGAK', 'PGAK', 'Keramik-Pin-Grid-Array (ceramic PGA)', 1,  84,  28,  38, 'Par1=.3,Par2=.7', '1', 'Pin-Grid-Array, Keramik', 'Pin grid array, ceramic'),
  ('PGAK', 'PGAK', 'Keramik-Pin-Grid-Array (ceramic PGA)', 1, 120,  25,  33, 'Par1=.3,Par2=.7', '1', 'Pin-Grid-Array, Keramik', 'Pin grid array, ceramic'),
  ('PGAK', 'PGAK', 'Keramik-Pin-Grid-Array (ceramic PGA)', 1, 180,  20,  28, 'Par1=.3,Par2=.7', '1', 'Pin-Grid-Array, Keramik', 'Pin grid array, ceramic'),
  ('PGAK', 'PGAK', 'Keramik-Pin-Grid-Array (ceramic PGA)', 1, 240,  18,  25, 'Par1=.3,Par2=.7', '1', 'Pin-Grid-Array, Keramik', 'Pin grid array, ceramic');

-- PGAP
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('PGAP', 'PGAP', 'Kunststoff-Pin-Grid-Array (plastic PGA)', 1,  68,  36,  48, 'Par1=.3,Par2=.7', '2', 'Pin-Grid-Array, Kunststoff', 'Pin grid array, plastic'),
  ('PGAP', 'PGAP', 'Kunststoff-Pin-Grid-Array (plastic PGA)', 1,  84,  34,  45, 'Par1=.3,Par2=.7', '2', 'Pin-Grid-Array, Kunststoff', 'Pin grid array, plastic'),
  ('PGAP', 'PGAP', 'Kunststoff-Pin-Grid-Array (plastic PGA)', 1, 120,  30,  40, 'Par1=.3,Par2=.7', '2', 'Pin-Grid-Array, Kunststoff', 'Pin grid array, plastic'),
  ('PGAP', 'PGAP', 'Kunststoff-Pin-Grid-Array (plastic PGA)', 1, 180,  24,  34, 'Par1=.3,Par2=.7', '2', 'Pin-Grid-Array, Kunststoff', 'Pin grid array, plastic'),
  ('PGAP', 'PGAP', 'Kunststoff-Pin-Grid-Array (plastic PGA)', 1, 240,  22,  30, 'Par1=.3,Par2=.7', '2', 'Pin-Grid-Array, Kunststoff', 'Pin grid array, plastic');

-- BGA
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('BGA', 'BGA', 'Ball-Grid-Array', 1, 100,  40,  55, 'Par1=.3,Par2=.7', '2', 'Ball-Grid-Array, Kunststoff', 'Ball grid array, plastic'),
  ('BGA', 'BGA', 'Ball-Grid-Array', 1, 256,  25,  35, 'Par1=.3,Par2=.7', '2', 'Ball-Grid-Array, Kunststoff', 'Ball grid array, plastic'),
  ('BGA', 'BGA', 'Ball-Grid-Array', 1, 484,  18,  25, 'Par1=.3,Par2=.7', '2', 'Ball-Grid-Array, Kunststoff', 'Ball grid array, plastic');

-- SO
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('SO', 'SO', 'Small-Outline (SOIC)', 1,   0,   0,   0, 'Par1=.4,Par2=.6', '2', NULL, NULL),
  ('SO8', 'SO', 'Small-Outline (SOIC)', 1,   8, 120, 160, 'Par1=.4,Par2=.6', '2', 'SO-Gehäuse 8-polig', 'Small outline, 8 pins'),
  ('SO14', 'SO', 'Small-Outline (SOIC)', 1,  14,  90, 120, 'Par1=.4,Par2=.6', '2', 'SO-Gehäuse 14-polig', 'Small outline, 14 pins'),
  ('SO16', 'SO', 'Small-Outline (SOIC)', 1,  16,  85, 110, 'Par1=.4,Par2=.6', '2', 'SO-Gehäuse 16-polig', 'Small outline, 16 pins'),
  ('SO20', 'SO', 'Small-Outline (SOIC)', 1,  20,  75,  95, 'Par1=.4,Par2=.6', '2', 'SO-Gehäuse 20-polig', 'Small outline, 20 pins'),
  ('SO24', 'SO', 'Small-Outline (SOIC)', 1,  24,  65,  85, 'Par1=.4,Par2=.6', '2', 'SO-Gehäuse 24-polig', 'Small outline, 24 pins'),
  ('SO28', 'SO', 'Small-Outline (SOIC)', 1,  28,  60,  80, 'Par1=.4,Par2=.6', '2', 'SO-Gehäuse 28-polig', 'Small outline, 28 pins');

-- QFP
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('QFP', 'QFP', 'Quad-Flat-Pack', 1,   0,   0,   0, 'Par1=.3,Par2=.7', '2', NULL, NULL),
  ('QFP44', 'QFP', 'Quad-Flat-Pack', 1,  44,  60,  80, 'Par1=.3,Par2=.7', '2', 'Quad-Flat-Pack 44-polig', 'Quad flat pack, 44 pins'),
  ('QFP64', 'QFP', 'Quad-Flat-Pack', 1,  64,  50,  70, 'Par1=.3,Par2=.7', '2', 'Quad-Flat-Pack 64-polig', 'Quad flat pack, 64 pins'),
  ('QFP100', 'QFP', 'Quad-Flat-Pack', 1, 100,  40,  60, 'Par1=.3,Par2=.7', '2', 'Quad-Flat-Pack 100-polig', 'Quad flat pack, 100 pins'),
  ('QFP144', 'QFP', 'Quad-Flat-Pack', 1, 144,  35,  50, 'Par1=.3,Par2=.7', '2', 'Quad-Flat-Pack 144-polig', 'Quad flat pack, 144 pins'),
  ('QFP208', 'QFP', 'Quad-Flat-Pack', 1, 208,  30,  45, 'Par1=.3,Par2=.7', '2', 'Quad-Flat-Pack 208-polig', 'Quad flat pack, 208 pins');

-- TO
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('TO', 'TO', 'Transistorgehäuse TO (transistor outline)', 2,   0,   0,   0, 'Par1=.6,Par2=.4', '', NULL, NULL),
  ('TO5', 'TO', 'Transistorgehäuse TO (transistor outline)', 2,   3, 150, 200, 'Par1=.6,Par2=.4', '1', 'TO-5, Metall', 'TO-5, metal can'),
  ('TO18', 'TO', 'Transistorgehäuse TO (transistor outline)', 2,   3, 300, 400, 'Par1=.6,Par2=.4', '1', 'TO-18, Metall', 'TO-18, metal can'),
  ('TO39', 'TO', 'Transistorgehäuse TO (transistor outline)', 2,   3, 150, 200, 'Par1=.6,Par2=.4', '1', 'TO-39, Metall', 'TO-39, metal can'),
  ('TO92', 'TO', 'Transistorgehäuse TO (transistor outline)', 2,   3, 160, 200, 'Par1=.6,Par2=.4', '2', 'TO-92, Kunststoff', 'TO-92, plastic'),
  ('TO126', 'TO', 'Transistorgehäuse TO (transistor outline)', 2,   3,  80, 100, 'Par1=.6,Par2=.4', '2', 'TO-126, Kunststoff', 'TO-126, plastic'),
  ('TO220', 'TO', 'Transistorgehäuse TO (transistor outline)', 2,   3,  50,  62, 'Par1=.6,Par2=.4', '2', 'TO-220, Kunststoff', 'TO-220, plastic'),
  ('TO247', 'TO', 'Transistorgehäuse TO (transistor outline)', 2,   3,  35,  45, 'Par1=.6,Par2=.4', '2', 'TO-247, Kunststoff', 'TO-247, plastic');

-- SOT
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('SOT', 'SOT', 'Kleingehäuse SOT (small outline transistor)', 2,   0,   0,   0, 'Par1=.5,Par2=.5', '2', NULL, NULL),
  ('SOT23', 'SOT', 'Kleingehäuse SOT (small outline transistor)', 2,   3, 350, 500, 'Par1=.5,Par2=.5', '2', 'SOT-23', 'SOT-23'),
  ('SOT89', 'SOT', 'Kleingehäuse SOT (small outline transistor)', 2,   3, 110, 150, 'Par1=.5,Par2=.5', '2', 'SOT-89', 'SOT-89'),
  ('SOT223', 'SOT', 'Kleingehäuse SOT (small outline transistor)', 2,   4,  60,  90, 'Par1=.5,Par2=.5', '2', 'SOT-223', 'SOT-223'),
  ('SOT323', 'SOT', 'Kleingehäuse SOT (small outline transistor)', 2,   3, 400, 550, 'Par1=.5,Par2=.5', '2', 'SOT-323', 'SOT-323');

-- DO
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('DO', 'DO', 'Diodengehäuse (diode outline)', 2,   0,   0,   0, 'Par1=.5,Par2=.5', '', NULL, NULL),
  ('DO35', 'DO', 'Diodengehäuse (diode outline)', 2,   2, 250, 350, 'Par1=.5,Par2=.5', '1', 'DO-35, Glas', 'DO-35, glass'),
  ('DO41', 'DO', 'Diodengehäuse (diode outline)', 2,   2,  80, 120, 'Par1=.5,Par2=.5', '2', 'DO-41, Kunststoff', 'DO-41, plastic'),
  ('SOD80', 'DO', 'Diodengehäuse (diode outline)', 2,   2, 300, 400, 'Par1=.5,Par2=.5', '1', 'SOD-80, Glas', 'SOD-80, glass'),
  ('SOD123', 'DO', 'Diodengehäuse (diode outline)', 2,   2, 250, 350, 'Par1=.5,Par2=.5', '2', 'SOD-123, Kunststoff', 'SOD-123, plastic'),
  ('SMA', 'DO', 'Diodengehäuse (diode outline)', 2,   2,  90, 120, 'Par1=.5,Par2=.5', '2', 'SMA (DO-214AC), Kunststoff', 'SMA (DO-214AC), plastic'),
  ('SMB', 'DO', 'Diodengehäuse (diode outline)', 2,   2,  70,  90, 'Par1=.5,Par2=.5', '2', 'SMB (DO-214AA), Kunststoff', 'SMB (DO-214AA), plastic');

-- EXTRA
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('EXTRA', 'EXTRA', NULL, 9,   0,   0,   0, NULL, '', NULL, NULL),
  ('CHIP', 'EXTRA', NULL, 9,   0,   0,   0, NULL, '3', 'Chip ohne Gehäuse', 'Bare chip'),
  ('???', 'EXTRA', NULL, 9,   0,   0,   0, NULL, '', 'Gehäuse unbekannt', 'Housing unknown'),
  ('XXX', 'EXTRA', NULL, 9,   0,   0,   0, NULL, '', 'Sondergehäuse', 'Special housing');
