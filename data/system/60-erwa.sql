-- Texts of the error and warning codes ERWA (M1 German, M2 English), keyed by
-- the code as it stands after "Err=" or "Warn=" in an F section. A code that
-- is written both as error and as warning (Inen) has one text for both.
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Bac', 'Klassencode Bac fehlt oder ist unzulässig', 'Class code Bac missing or not allowed');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Bt', 'Bauteildaten fehlerhaft', 'Component data faulty');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Btd', 'Bauteil nicht in der Bauteiledatei', 'Component not in the component file');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('FehlerYk', 'Sachnummer fehlerhaft', 'Faulty item number');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Stand', 'Anderer Stand als angefordert verwendet', 'Another issue state than requested was used');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('QslFehlt', 'Unter-Qsl nicht gefunden', 'Sub-Q-list not found');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('QslZyklus', 'Unter-Qsl enthält sich selbst (Kreis von Unterlisten)', 'Sub-Q-list contains itself (a circle of sub-lists)');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Umax', 'Betriebsspannung Ub größer als Grenzspannung Umax', 'Operating voltage Ub above the maximum voltage Umax');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Imax', 'Betriebsstrom Ib größer als Grenzstrom Imax', 'Operating current Ib above the maximum current Imax');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Inen', 'Betriebsstrom Ib größer als Nennstrom Inen', 'Operating current Ib above the rated current Inen');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Tu', 'Umgebungstemperatur über der zulässigen Tumax', 'Ambient temperature above the permitted Tumax');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Tb', 'Bauteiltemperatur über der zulässigen Tbmax', 'Component temperature above the permitted Tbmax');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Tj', 'Sperrschichttemperatur über der zulässigen Tjmax', 'Junction temperature above the permitted Tjmax');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('RtrDat', 'Kein Wärmewiderstand Rthja für das Gehäuse bekannt', 'No thermal resistance Rthja known for the housing');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('RtrRef', 'Sperrschichttemperatur aus der Referenztemperatur angenommen', 'Junction temperature assumed from the reference temperature');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('BtName', 'Kein Name für Klasse und Technologie', 'No name for class and technology');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Kom', 'Komplexität K1 fehlt', 'Complexity K1 missing');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('BacFit', 'Klasse und Technologie nicht in der Ausfallratentabelle', 'Class and technology not in the failure-rate table');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Kom1SAw', 'Komplexität K1 über dem Tabellenbereich', 'Complexity K1 beyond the range of the table');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('BacMil', 'Kein MIL-HDBK-217F-Modell für das Bauteil', 'No MIL-HDBK-217F model for the component');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('NullFitSin', 'Keine Basisausfallrate in der Normtabelle', 'No base failure rate in the norm table');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('NullFitAws', 'Keine Basisausfallrate in der anwenderspezifischen Liste', 'No base failure rate in the user failure-rate list');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Vf', 'Vielfachfaktor Vf fehlt', 'Multiple factor Vf missing');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('KolastSAw', 'Kein Kontaktlastfaktor für die angegebene Last', 'No contact-load factor for the given load');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('UlampSAw', 'Spannungsverhältnis außerhalb der Lampentabelle', 'Voltage ratio beyond the lamp table');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('EnvSAw', 'Kein Umweltfaktor für diese Umgebung im Datensatz der Bauteilklasse', 'No environment factor for this environment in the record of the component class');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('QualSAw', 'Kein Qualitätsfaktor für diese Qualitätsklasse im Datensatz der Bauteilklasse', 'No quality factor for this quality class in the record of the component class');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('AkrSAw', 'Kein Akr-Faktor im Datensatz der Bauteilklasse', 'No Akr factor in the record of the component class');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Sub10SAw', 'Mehr als neun Unterbauteile', 'More than nine sub-components');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('UbUmax', 'Betriebsspannung Ub ohne Grenzspannung Umax: Standardverhältnis verwendet', 'Operating voltage Ub without maximum voltage Umax: default ratio used');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('IbImax', 'Betriebsstrom Ib ohne Grenzstrom Imax: Standardverhältnis verwendet', 'Operating current Ib without maximum current Imax: default ratio used');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('UbUnen', 'Betriebsspannung Ub ohne Nennspannung Unen: Standardverhältnis verwendet', 'Operating voltage Ub without rated voltage Unen: default ratio used');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('IbInen', 'Betriebsstrom Ib ohne Nennstrom Inen: Standardverhältnis verwendet', 'Operating current Ib without rated current Inen: default ratio used');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('EnvMil', 'Kein MIL-HDBK-217F-Umweltfaktor für diese Umgebung', 'No MIL-HDBK-217F environment factor for this environment');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('QualMil', 'Kein MIL-HDBK-217F-Qualitätsfaktor für diese Qualitätsklasse', 'No MIL-HDBK-217F quality factor for this quality class');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('ChipMil', 'MIL-HDBK-217F: kein Modell für Chips ohne Gehäuse', 'MIL-HDBK-217F: no model for bare chips');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('UlampMil', 'MIL-HDBK-217F: Lampenspannung über 40 V', 'MIL-HDBK-217F: lamp voltage above 40 V');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('GecMil', 'MIL-HDBK-217F: Gehäuse nicht in der Tabelle, hermetisches DIL angenommen', 'MIL-HDBK-217F: housing not in the table, hermetic DIP assumed');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('C2Mil', 'MIL-HDBK-217F: Hermetizität unbekannt, ohne Gehäuseanteil C2 gerechnet', 'MIL-HDBK-217F: hermeticity unknown, computed without package term C2');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('Gec2Mil', 'MIL-HDBK-217F: Gehäuse nicht in der VHSIC-Tabelle, Faktor 6,1 angenommen', 'MIL-HDBK-217F: housing not in the VHSIC table, factor 6.1 assumed');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('IbLaserMil', 'MIL-HDBK-217F: kein Strom der Laserdiode, Bereich 0,1 bis 10 A angenommen', 'MIL-HDBK-217F: no laser diode current, range 0.1 to 10 A assumed');
-- Summary codes of the report (incomplete results of a sub-list or a method).
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('FepQsl', 'Untergeordnete Q-Stückliste fehlt', 'Secondary Q-list missing');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('FepAll', 'Ergebnisse unvollständig', 'Results incomplete');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('FepSin', 'Ergebnis nach YK 70412 unvollständig', 'Result according to YK 70412 incomplete');
INSERT INTO ERWA (Fecode, M1, M2) VALUES ('FepMil', 'Ergebnis nach MIL-HDBK-217F unvollständig', 'Result according to MIL-HDBK-217F incomplete');
