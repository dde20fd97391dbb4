-- Housings of the demo installation for the housing choice and the thermal
-- resistance look-up: kinds (Art) in display groups (Sort), the housings of each
-- kind with their pin counts and junction-to-ambient resistances in K/W.
-- Representative values for a demo installation, not reference data.
-- A kind's own row (Gec = Art) carries its name and stands for the kind itself.
INSERT INTO GECRTH (Gec, Art, Arttext, Sort, Pin, Rthjamin, Rthjamax, Param, Her, Comment1, Comment2) VALUES
  ('DIP', 'DIP', 'Dual In-line', 1, 0, 0, 0, '', '', 'Dual-In-Line', 'Dual in-line'),
  ('DIP8', 'DIP', 'Dual In-line', 1, 8, 100, 120, '', 'JEDEC MS-001', 'Kunststoff, 8 Anschlüsse', 'plastic, 8 pins'),
  ('DIP14', 'DIP', 'Dual In-line', 1, 14, 80, 95, '', 'JEDEC MS-001', 'Kunststoff, 14 Anschlüsse', 'plastic, 14 pins'),
  ('DIP16', 'DIP', 'Dual In-line', 1, 16, 75, 90, '', 'JEDEC MS-001', 'Kunststoff, 16 Anschlüsse', 'plastic, 16 pins'),
  ('DIP40', 'DIP', 'Dual In-line', 1, 40, 45, 55, '', 'JEDEC MS-011', 'Kunststoff, 40 Anschlüsse', 'plastic, 40 pins'),
  ('SO', 'SO', 'Small Outline', 1, 0, 0, 0, '', '', 'Small Outline', 'Small outline'),
  ('SO8', 'SO', 'Small Outline', 1, 8, 150, 180, '', 'JEDEC MS-012', 'SMD, 8 Anschlüsse', 'SMD, 8 pins'),
  ('SO14', 'SO', 'Small Outline', 1, 14, 110, 130, '', 'JEDEC MS-012', 'SMD, 14 Anschlüsse', 'SMD, 14 pins'),
  ('SO16', 'SO', 'Small Outline', 1, 16, 100, 120, '', 'JEDEC MS-012', 'SMD, 16 Anschlüsse', 'SMD, 16 pins'),
  ('PLCC', 'PLCC', 'Plastic Leaded Chip Carrier', 2, 0, 0, 0, '', '', '', ''),
  ('PLCC44', 'PLCC', 'Plastic Leaded Chip Carrier', 2, 44, 45, 55, '', 'JEDEC MO-047', '44 Anschlüsse', '44 pins'),
  ('PLCC68', 'PLCC', 'Plastic Leaded Chip Carrier', 2, 68, 38, 46, '', 'JEDEC MO-047', '68 Anschlüsse', '68 pins'),
  ('QFP', 'QFP', 'Quad Flat Package', 2, 0, 0, 0, '', '', '', ''),
  ('QFP100', 'QFP', 'Quad Flat Package', 2, 100, 40, 50, '', 'JEDEC MS-022', '100 Anschlüsse', '100 pins'),
  ('QFP144', 'QFP', 'Quad Flat Package', 2, 144, 35, 45, '', 'JEDEC MS-026', '144 Anschlüsse', '144 pins'),
  ('BGA', 'BGA', 'Ball Grid Array', 2, 0, 0, 0, '', '', '', ''),
  ('BGA256', 'BGA', 'Ball Grid Array', 2, 256, 25, 32, '', 'JEDEC MS-034', '256 Kugeln', '256 balls'),
  ('TO', 'TO', 'Transistor Outline', 3, 0, 0, 0, '', '', '', ''),
  ('TO92', 'TO', 'Transistor Outline', 3, 0, 180, 220, '', 'JEDEC TO-92', 'Kunststoff, bedrahtet', 'plastic, leaded'),
  ('TO220', 'TO', 'Transistor Outline', 3, 0, 60, 70, '', 'JEDEC TO-220', 'Leistungsgehäuse', 'power package'),
  ('SOT', 'SOT', 'Small Outline Transistor', 3, 0, 0, 0, '', '', '', ''),
  ('SOT23', 'SOT', 'Small Outline Transistor', 3, 3, 300, 350, '', 'JEDEC TO-236', 'SMD, 3 Anschlüsse', 'SMD, 3 pins'),
  ('SOT223', 'SOT', 'Small Outline Transistor', 3, 4, 100, 130, '', 'JEDEC TO-261', 'SMD, Leistung', 'SMD, power'),
  ('CHIP', 'CHIP', 'Chip-Bauform (Widerstand, Kondensator)', 4, 0, 0, 0, '', 'EIA 0603 .. 1206', '', ''),
  ('DIK', 'DIK', 'Chip ohne Gehäuse (Die)', 4, 0, 0, 0, '', 'Nacktchip', '', ''),
  ('SONDER', 'EXTRA', NULL, 9, 0, 0, 0, '', '', 'Sondergehäuse nach Datenblatt', 'special housing by data sheet');
