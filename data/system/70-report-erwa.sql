-- Texts of the error and warning codes that the Q-list report lists (error list,
-- position texts). Codes that other parts also insert are skipped here.
INSERT OR IGNORE INTO ERWA VALUES ('QslFehlt', 'Untergeordnete Q-Stückliste nicht gefunden', 'Secondary Q-list not found');
INSERT OR IGNORE INTO ERWA VALUES ('QslZyklus', 'Q-Stückliste enthält sich selbst', 'Q-list contains itself');
INSERT OR IGNORE INTO ERWA VALUES ('Stand', 'Untergeordnete Q-Stückliste hat einen anderen Stand', 'Secondary Q-list has another issue state');
INSERT OR IGNORE INTO ERWA VALUES ('NullFitSin', 'Keine Ausfallrate nach YK 70412', 'No failure rate according to YK 70412');
INSERT OR IGNORE INTO ERWA VALUES ('NullFitAws', 'Keine Ausfallrate nach der anwenderspezifischen Liste', 'No failure rate from the user-specific list');
INSERT OR IGNORE INTO ERWA VALUES ('Bac', 'Bauelemente-Klasse fehlt', 'Component class missing');
INSERT OR IGNORE INTO ERWA VALUES ('BacFit', 'Keine Ausfallrate für Klasse und Technologie', 'No failure rate for class and technology');
INSERT OR IGNORE INTO ERWA VALUES ('BacMil', 'Kein MIL-HDBK-217F-Modell für diese Klasse', 'No MIL-HDBK-217F model for this class');
INSERT OR IGNORE INTO ERWA VALUES ('FepQsl', 'Untergeordnete Q-Stückliste fehlt', 'Secondary Q-list missing');
INSERT OR IGNORE INTO ERWA VALUES ('FepAll', 'Ergebnisse unvollständig', 'Results incomplete');
INSERT OR IGNORE INTO ERWA VALUES ('FepSin', 'Ergebnis nach YK 70412 unvollständig', 'Result according to YK 70412 incomplete');
INSERT OR IGNORE INTO ERWA VALUES ('FepMil', 'Ergebnis nach MIL-HDBK-217F unvollständig', 'Result according to MIL-HDBK-217F incomplete');
