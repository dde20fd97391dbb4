-- Parameter abbreviations AbkTxt: window title (line 0) and two help lines
-- (lines 1 and 2), German and English, the unit ("mm2" shows as mm with a
-- superscript two, "{m}" as the micro sign) and the choice list Pop
-- ("@" chapter "," menu file). "{pi}" stands for the factor marker.
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Typ', 'Typbezeichnung', 'Type designation', 'Bezeichnung des Herstellers', 'Designation of the manufacturer', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Yk', 'Sachnummer', 'Item number', 'YK-Sachnummer mit Stand', 'YK item number with its issue', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('An', 'Anwendernummer', 'User number', 'Nummer des Anwenders', 'Number given by the user', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Ln', 'Qsl-Nummer', 'Q-list number', 'Laufende Nummer der Qsl', 'Serial number of the Q-list', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Stand', 'Stand', 'Issue', 'Stand der Sachnummer', 'Issue of the item number', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Code', 'Code', 'Code', 'Kennzeichen der Qsl', 'Code of the Q-list', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Anlage', 'Anlage', 'Equipment', 'Anlage, zu der die Qsl gehört', 'Equipment the Q-list belongs to', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Be', 'Bemerkung', 'Remark', 'Freier Text', 'Free text', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Bac', 'Bauelemente-Art-Code', 'Component class code', 'Klasse des Bauteils, 4 Ziffern', 'Class of the component, 4 digits', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Tec', 'Technologie', 'Technology', 'Technologie des Bauteils, 4 Ziffern', 'Technology of the component, 4 digits', 'Letzte Ziffer: 1 hermetisch, 2 nicht hermetisch, 3 Chip', 'Last digit: 1 hermetic, 2 non-hermetic, 3 chip', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Gec', 'Gehäuse', 'Housing', 'Gehäusecode aus der Gehäusetabelle', 'Housing code of the housing table', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Pin', 'Anzahl Anschlüsse', 'Number of pins', 'Anschlüsse des Gehäuses', 'Pins of the housing', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('K1', 'Primäre Komplexität', 'Primary complexity', 'Anzahl mit Einheit b Bit, g Gatter, t Transistoren', 'Count with unit b bits, g gates, t transistors', 'Bereich a/b möglich, K=1000, M=1000000', 'Range a/b allowed, K=1000, M=1000000', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('K2', 'Sekundäre Komplexität', 'Secondary complexity', 'Zweite Komplexität, z. B. Speicher eines Prozessors', 'Second complexity, such as the memory of a processor', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Vf', 'Vielfachfaktor', 'Multiple factor', 'Anzahl gleicher Elemente (Pins, Kontakte, Segmente)', 'Number of equal elements (pins, contacts, segments)', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Kf', 'Korrekturfaktor', 'Correction factor', 'Faktor auf die Ausfallrate nach Norm', 'Factor on the failure rate by the norm', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Kfm', 'MIL-Korrekturfaktor', 'MIL correction factor', 'Faktor auf die Ausfallrate nach MIL-HDBK-217F', 'Factor on the failure rate by MIL-HDBK-217F', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Are', 'Individuelle Ausfallrate', 'Individual failure rate', 'Ausfallrate ohne weitere Faktoren', 'Failure rate without further factors', '', '', 'fit', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Ari', 'Individuelle Basisausfallrate', 'Individual base failure rate', 'Ersetzt die Basisausfallrate der Tabelle', 'Replaces the base failure rate of the table', '', '', 'fit', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Arx', 'Individuelle Basisausfallrate Norm', 'Individual norm base failure rate', 'Ersetzt die Basisausfallrate nach Norm', 'Replaces the norm base failure rate', '', '', 'fit', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Arem', 'Individuelle MIL-Ausfallrate', 'Individual MIL failure rate', 'Ersetzt das MIL-HDBK-217F-Modell', 'Replaces the MIL-HDBK-217F model', '', '', 'fit', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Asic', 'Ausfallratenbereich', 'Failure-rate range', 'Lage im Bereich der Tabelle in %, a/b', 'Position within the range of the table in %, a/b', '', '', '%', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Achip', 'Chipfläche', 'Chip area', 'Fläche des Chips', 'Area of the die', '', '', 'mm2', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Sac', 'Strukturbreite', 'Feature size', 'Kleinste Strukturbreite des Chips', 'Smallest feature size of the die', '', '', '{m}m', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Rte', 'Wärmewiderstand', 'Thermal resistance', 'Wärmewiderstand Sperrschicht-Umgebung Rthja', 'Thermal resistance junction to ambient Rthja', '', '', 'K/W', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Ntyp', 'Typische Verlustleistung', 'Typical power dissipation', 'Laut Datenblatt', 'From the data sheet', '', '', 'mW', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Tumax', 'Maximale Umgebungstemperatur', 'Maximum ambient temperature', '', '', '', '', '°C', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Tjmax', 'Maximale Sperrschichttemperatur', 'Maximum junction temperature', '', '', '', '', '°C', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Tbmax', 'Maximale Bauteiltemperatur', 'Maximum component temperature', 'Nenntemperatur des Bauteils', 'Rated temperature of the component', '', '', '°C', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Umax', 'Grenzspannung', 'Maximum voltage', 'Höchste zulässige Betriebsspannung', 'Highest permitted operating voltage', '', '', 'V', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Unen', 'Nennspannung', 'Rated voltage', 'Nenn- oder Prüfspannung', 'Rated or test voltage', '', '', 'V', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Imax', 'Grenzstrom', 'Maximum current', 'Höchster zulässiger Betriebsstrom', 'Highest permitted operating current', '', '', 'A', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Inen', 'Nennstrom', 'Rated current', 'Nennstrom der Kontakte', 'Rated current of the contacts', '', '', 'A', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Nmax', 'Nennleistung', 'Rated power', 'Höchste zulässige Verlustleistung', 'Highest permitted power dissipation', '', '', 'mW', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Fnen', 'Frequenz', 'Frequency', 'Nennfrequenz des Quarzes', 'Rated frequency of the crystal', '', '', 'MHz', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Hisch', 'Hilfskontakte', 'Auxiliary contacts', 'Anzahl Hilfskontakte (0 = keine)', 'Number of auxiliary contacts (0 = none)', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Qks', 'Qualitätsklasse Norm', 'Norm quality class', 'LL Langlebensdauer, GP allgemeine Anwendung', 'LL long life, GP general purpose', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Qkm', 'MIL-Qualitätsklasse', 'MIL quality class', 'Qualitätsklasse nach MIL-HDBK-217F, a/b möglich', 'Quality class by MIL-HDBK-217F, a/b allowed', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('{pi}qem', 'MIL-Qualitätsfaktor', 'MIL quality factor', 'Qualitätsfaktor nach MIL-HDBK-217F, a/b möglich', 'Quality factor by MIL-HDBK-217F, a/b allowed', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Bacm', 'MIL-Modell', 'MIL model', 'Modellname nach MIL-HDBK-217F, a/b möglich', 'Model name by MIL-HDBK-217F, a/b allowed', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Her', 'Hersteller', 'Manufacturer', '', '', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Lzt', 'Lebensdauer', 'Lifetime', 'Nutzbare Lebensdauer', 'Useful life', '', '', 'h', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Mat', 'Werkstoff', 'Material', '', '', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Kmat', 'Kontaktwerkstoff', 'Contact material', '', '', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Ub', 'Betriebsspannung', 'Operating voltage', '', '', '', '', 'V', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Ib', 'Betriebsstrom', 'Operating current', '', '', '', '', 'A', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Vue', 'Spannungsverhältnis', 'Voltage ratio', 'Betriebsspannung / Grenzspannung', 'Operating / maximum voltage', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Vie', 'Stromverhältnis', 'Current ratio', 'Betriebsstrom / Grenzstrom', 'Operating / maximum current', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Nmw', 'Verlustleistung', 'Power dissipation', 'Verlustleistung im Betrieb', 'Operating power dissipation', '', '', 'mW', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Vne', 'Leistungsverhältnis', 'Power ratio', 'Verlustleistung / Nennleistung', 'Operating / rated power', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Tei', 'Eigenerwärmung', 'Temperature rise', 'Erwärmung über die Umgebung', 'Rise above the ambient', '', '', 'K', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Dtu', 'Temperaturerhöhung', 'Ambient rise', 'Erhöhung der Umgebungstemperatur', 'Rise of the ambient temperature', '', '', 'K', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Rtk', 'Wärmewiderstand Anwendung', 'Thermal resistance of the application', 'Wärmewiderstand Sperrschicht-Umgebung in der Anwendung', 'Junction-to-ambient resistance as mounted', '', '', 'K/W', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Zf', 'Zeitfaktor', 'Time factor', 'Anteil der Betriebszeit', 'Share of the operating time', '', '', '%', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Vfi', 'Vielfachfaktor der Anwendung', 'Multiple factor of the application', 'Ersetzt Vf des Bauteils', 'Replaces Vf of the component', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Drift', 'Anwendung', 'Application', '0 schaltend, 1 linear', '0 switching, 1 linear', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Chpf', 'Chipfaktor', 'Chip factor', 'Faktor für Chips ohne Gehäuse', 'Factor of bare chips', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Chpfg', 'Chipfaktor Gruppe', 'Chip factor of the group', 'Chipfaktor für alle Chips der Gruppe', 'Chip factor of all chips of the group', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Lab', 'Lastart', 'Load kind', '1 Kleinlast, 2 Normallast, 3 Hochlast', '1 low level, 2 normal, 3 high load', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Kl', 'Lasttyp', 'Load type', 'R ohmsch, L induktiv, C kapazitiv/Lampe, F Motor', 'R resistive, L inductive, C capacitive/lamp, F motor', '', '', '', '@trcl,btx\div');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Acdc', 'Stromart', 'Current kind', 'A Wechselstrom, D Gleichstrom', 'A alternating, D direct', '', '', '', '@acdc,btx\div');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Akr', 'Kontaktbelastung', 'Contact stress', 'N normal, S erhöht', 'N normal, S increased', '', '', '', '@akr,btx\div');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Sh', 'Schalthäufigkeit', 'Switching rate', 'Schaltspiele je Stunde', 'Operations per hour', '', '', '1/h', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Shy', 'Schalthäufigkeit je Jahr', 'Switching rate per year', 'Schaltspiele je Jahr', 'Operations per year', '', '', '1/a', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Degr', 'Leistungsabfall', 'Power degradation', 'Zulässiger Abfall der optischen Leistung', 'Permitted fall of the optical power', '', '', '%', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Pcyc', 'Programmierzyklen', 'Programming cycles', 'Schreib-/Löschzyklen im Einsatz', 'Write/erase cycles in use', '', '', '', '');
INSERT INTO AbkTxt (Abk, Z0D, Z0E, Z1D, Z1E, Z2D, Z2E, Einheit, Pop) VALUES
  ('Sylt', 'Systemlebensdauer', 'System life', '', '', '', '', 'h', '');
