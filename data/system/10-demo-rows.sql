-- A handful of rows so that start-up and the first tests have data. The full
-- reference data (representative values for a demo installation) lives in the
-- table files beside this one.
INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Bacm, Parameter, Txt)
VALUES ('41', '41110000', 0, '', 0.1, 0.5, 40, '4111', '4RC', 'Ub,Umax', 'Film resistor');
INSERT INTO SINDAT VALUES ('4111', 'A=.9,Ea1=.3,Ea2=.6');
INSERT INTO SINNAME VALUES ('4111000', 'Schichtwiderstand', 'Film resistor');
INSERT INTO ERWA VALUES ('Btd', 'Bauteil nicht in der Bauteiledatei', 'Component not in the component file');
INSERT INTO AbkTxt VALUES ('Tu', 'Umgebungstemperatur', 'Ambient temperature', '', '', '', '', 'Grad C', '');
-- Codes of the norm model for data that the class's parameter record lacks, and
-- for a component with more sub-components than a record can hold.
INSERT INTO ERWA VALUES ('EnvSAw', 'Kein Umweltfaktor für diese Umgebung im Datensatz der Bauteilklasse',
                         'No environment factor for this environment in the record of the component class');
INSERT INTO ERWA VALUES ('QualSAw', 'Kein Qualitätsfaktor für diese Qualitätsklasse im Datensatz der Bauteilklasse',
                         'No quality factor for this quality class in the record of the component class');
INSERT INTO ERWA VALUES ('AkrSAw', 'Kein Akr-Faktor im Datensatz der Bauteilklasse',
                         'No Akr factor in the record of the component class');
INSERT INTO ERWA VALUES ('Sub10SAw', 'Mehr als neun Unterbauteile',
                         'More than nine sub-components');
