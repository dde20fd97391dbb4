-- MIL-HDBK-217F factor tables MILFUNKT: the key Kl names the table, Param holds
-- it as key=value list. Environment tables (<digit>E<n>) are keyed by the
-- environment codes of the method list (Gb ... Cl), quality tables (<digit>Q<n>)
-- by the quality classes, upper case. Tec<class> rows list the MIL-HDBK-217F
-- styles of the technology screen of a class; Env<code><language> rows hold the
-- text of an environment for the parameter listing (1 German, 2 English).
-- Quelle names the edition and section of MIL-HDBK-217F (the 1991 base edition
-- for resistors, capacitors, inductive devices, switches and connectors, Notice 2
-- for the rest); a value that could not be checked says "unverified".

-- pi E microcircuits
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('1E1', 'Gb=.5,Gf=2,Gm=4,Ns=4,Nu=6,Aic=4,Aif=5,Auc=5,Auf=8,Arw=8,Sf=.5,Mf=5,Ml=12,Cl=220', 'MIL-HDBK-217F Notice 2 5.10 pi E');
-- pi E discrete semiconductors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('2E1', 'Gb=1,Gf=6,Gm=9,Ns=9,Nu=19,Aic=13,Aif=29,Auc=20,Auf=43,Arw=24,Sf=.5,Mf=14,Ml=32,Cl=320', 'MIL-HDBK-217F Notice 2 6.1, 6.3, 6.4, 6.10 pi E');
-- pi E high-frequency diodes and transistors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('2E2', 'Gb=1,Gf=2,Gm=5,Ns=4,Nu=11,Aic=4,Aif=5,Auc=7,Auf=12,Arw=16,Sf=.5,Mf=9,Ml=24,Cl=250', 'MIL-HDBK-217F Notice 2 6.2, 6.6, 6.7, 6.9 pi E');
-- pi E GaAs FETs
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('2E3', 'Gb=1,Gf=2,Gm=5,Ns=4,Nu=11,Aic=4,Aif=5,Auc=7,Auf=12,Arw=16,Sf=.5,Mf=7.5,Ml=24,Cl=250', 'MIL-HDBK-217F Notice 2 6.8 pi E');
-- pi E optoelectronics and laser diodes
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('3E1', 'Gb=1,Gf=2,Gm=8,Ns=5,Nu=12,Aic=4,Aif=6,Auc=6,Auf=8,Arw=17,Sf=.5,Mf=9,Ml=24,Cl=450', 'MIL-HDBK-217F Notice 2 6.11, 6.12, 6.13 pi E');
-- pi E tubes
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('3E2', 'Gb=.5,Gf=1,Gm=14,Ns=8,Nu=24,Aic=5,Aif=8,Auc=6,Auf=12,Arw=40,Sf=.2,Mf=22,Ml=57,Cl=1000', 'MIL-HDBK-217F Notice 2 7.1 pi E');
-- pi E lamps
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('3E3', 'Gb=1,Gf=2,Gm=3,Ns=3,Nu=4,Aic=4,Aif=4,Auc=5,Auf=6,Arw=5,Sf=.7,Mf=4,Ml=6,Cl=27', 'MIL-HDBK-217F Notice 2 20.1 pi E');
-- pi E of the variable trimming resistor: the table once shared by every resistor
-- style, kept where no table of the style's own could be established
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E1', 'Gb=1,Gf=4,Gm=16,Ns=12,Nu=42,Aic=18,Aif=23,Auc=31,Auf=43,Arw=63,Sf=.5,Mf=37,Ml=87,Cl=1728', 'MIL-HDBK-217F (1991) 9.9 style RT: the shared resistor table, none of its own established (unverified)');
-- pi E of aluminium capacitors: the table once shared by every capacitor style,
-- kept where no table of the style's own could be established
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E2', 'Gb=1,Gf=2,Gm=9,Ns=5,Nu=15,Aic=6,Aif=8,Auc=17,Auf=32,Arw=22,Sf=.5,Mf=12,Ml=25,Cl=570', 'MIL-HDBK-217F (1991) 10 styles CU, CUR: the shared capacitor table, none of its own established (unverified)');
-- pi E inductive devices
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E3', 'Gb=1,Gf=6,Gm=12,Ns=5,Nu=16,Aic=6,Aif=8,Auc=7,Auf=9,Arw=24,Sf=.5,Mf=13,Ml=34,Cl=610', 'MIL-HDBK-217F (1991) 11.1 pi E transformers');
-- pi E quartz crystals
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E4', 'Gb=1,Gf=3,Gm=10,Ns=6,Nu=16,Aic=12,Aif=17,Auc=22,Auf=28,Arw=23,Sf=.5,Mf=13,Ml=32,Cl=500', 'MIL-HDBK-217F Notice 2 19.1 pi E');
-- pi E filters
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E5', 'Gb=1,Gf=2,Gm=6,Ns=4,Nu=9,Aic=7,Aif=9,Auc=11,Auf=13,Arw=11,Sf=.8,Mf=7,Ml=15,Cl=120', 'MIL-HDBK-217F Notice 2 21.1 pi E');
-- pi E coils
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E6', 'Gb=1,Gf=4,Gm=12,Ns=5,Nu=16,Aic=5,Aif=7,Auc=6,Auf=8,Arw=24,Sf=.5,Mf=13,Ml=34,Cl=610', 'MIL-HDBK-217F (1991) 11.2 pi E');
-- pi E power film resistors and resistor networks (one table in both sections)
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E7', 'Gb=1,Gf=2,Gm=10,Ns=5,Nu=17,Aic=6,Aif=8,Auc=14,Auf=18,Arw=25,Sf=.5,Mf=14,Ml=36,Cl=660', 'MIL-HDBK-217F (1991) 9.3, 9.4 pi E styles RD, RZ');
-- pi E film resistors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E8', 'Gb=1,Gf=2,Gm=8,Ns=4,Nu=14,Aic=4,Aif=8,Auc=10,Auf=18,Arw=19,Sf=.2,Mf=10,Ml=28,Cl=510', 'MIL-HDBK-217F (1991) 9.2 pi E style RN');
-- pi E composition resistors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E9', 'Gb=1,Gf=3,Gm=8,Ns=5,Nu=13,Aic=4,Aif=5,Auc=7,Auf=11,Arw=19,Sf=.5,Mf=11,Ml=27,Cl=490', 'MIL-HDBK-217F (1991) 9.1 pi E style RC');
-- pi E wirewound power resistors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E10', 'Gb=1,Gf=2,Gm=10,Ns=5,Nu=16,Aic=4,Aif=8,Auc=9,Auf=18,Arw=23,Sf=.3,Mf=13,Ml=34,Cl=610', 'MIL-HDBK-217F (1991) 9.6 pi E style RW');
-- pi E thermistors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E11', 'Gb=1,Gf=5,Gm=21,Ns=11,Nu=24,Aic=11,Aif=30,Auc=16,Auf=42,Arw=37,Sf=.5,Mf=20,Ml=53,Cl=950', 'MIL-HDBK-217F (1991) 9.8 pi E style RTH');
-- pi E ceramic capacitors, general purpose
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E12', 'Gb=1,Gf=2,Gm=9,Ns=5,Nu=15,Aic=4,Aif=4,Auc=8,Auf=12,Arw=20,Sf=.4,Mf=13,Ml=34,Cl=610', 'MIL-HDBK-217F (1991) 10 pi E style CK');
-- pi E ceramic capacitors, temperature compensating and chip
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E13', 'Gb=1,Gf=2,Gm=10,Ns=5,Nu=17,Aic=4,Aif=8,Auc=16,Auf=35,Arw=24,Sf=.5,Mf=13,Ml=34,Cl=610', 'MIL-HDBK-217F (1991) 10 pi E styles CC, CDR');
-- pi E solid tantalum capacitors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E14', 'Gb=1,Gf=2,Gm=8,Ns=5,Nu=14,Aic=4,Aif=5,Auc=12,Auf=20,Arw=24,Sf=.4,Mf=11,Ml=29,Cl=530', 'MIL-HDBK-217F (1991) 10.12 pi E style CSR');
-- pi E non-solid tantalum capacitors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E15', 'Gb=1,Gf=2,Gm=10,Ns=6,Nu=16,Aic=4,Aif=8,Auc=14,Auf=30,Arw=23,Sf=.5,Mf=13,Ml=34,Cl=610', 'MIL-HDBK-217F (1991) 10 pi E style CL');
-- pi E super-metallised plastic film capacitors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4E16', 'Gb=1,Gf=4,Gm=8,Ns=5,Nu=14,Aic=4,Aif=6,Auc=13,Auf=20,Arw=20,Sf=.5,Mf=11,Ml=29,Cl=530', 'MIL-HDBK-217F (1991) 10 pi E style CRH');
-- pi E connectors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('5E1', 'Gb=1,Gf=1,Gm=8,Ns=5,Nu=13,Aic=3,Aif=5,Auc=8,Auf=12,Arw=19,Sf=.5,Mf=10,Ml=27,Cl=490', 'MIL-HDBK-217F (1991) 15.1 pi E');
-- pi E relays
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('5E2', 'Gb=1,Gf=2,Gm=15,Ns=8,Nu=27,Aic=7,Aif=9,Auc=11,Auf=12,Arw=46,Sf=.5,Mf=25,Ml=66', 'MIL-HDBK-217F Notice 2 13.1 pi E (MIL-SPEC column)');
-- pi E switches
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('5E3', 'Gb=1,Gf=3,Gm=18,Ns=8,Nu=29,Aic=10,Aif=18,Auc=13,Auf=22,Arw=46,Sf=.5,Mf=25,Ml=67,Cl=1200', 'MIL-HDBK-217F (1991) 14.1 pi E');
-- pi E IC sockets
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('5E4', 'Gb=1,Gf=3,Gm=14,Ns=6,Nu=18,Aic=8,Aif=12,Auc=11,Auf=13,Arw=25,Sf=.5,Mf=14,Ml=36,Cl=650', 'MIL-HDBK-217F (1991) 15.3 pi E (unverified)');
-- pi E fuses
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('5E5', 'Gb=1,Gf=2,Gm=8,Ns=5,Nu=11,Aic=9,Aif=12,Auc=15,Auf=18,Arw=16,Sf=.9,Mf=10,Ml=21,Cl=230', 'MIL-HDBK-217F Notice 2 22.1 pi E');
-- pi E connections
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('5E6', 'Gb=1,Gf=2,Gm=7,Ns=4,Nu=11,Aic=4,Aif=6,Auc=6,Auf=8,Arw=16,Sf=.5,Mf=9,Ml=24,Cl=420', 'MIL-HDBK-217F Notice 2 17.1 pi E');
-- pi E printed circuit board connectors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('5E7', 'Gb=1,Gf=3,Gm=8,Ns=5,Nu=13,Aic=6,Aif=11,Auc=6,Auf=11,Arw=19,Sf=.5,Mf=10,Ml=27,Cl=490', 'MIL-HDBK-217F (1991) 15.2 pi E');
-- pi Q microcircuits; CSH/CSP commercial hermetic/plastic
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('1Q1', 'S=.25,B=1,B-1=2,CSH=10,CSP=10', 'MIL-HDBK-217F Notice 2 5.10 pi Q; commercial CSH and CSP 10 unverified');
-- pi Q discrete semiconductors and optoelectronics
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('2Q1', 'JANTXV=.7,JANTX=1,JAN=2.4,LOWER=5.5,PLASTIC=8', 'MIL-HDBK-217F Notice 2 6.1, 6.3, 6.4, 6.10, 6.11 pi Q');
-- pi Q HF transistors: no plastic level, plastic parts count as lower quality
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('2Q2', 'JANTXV=.5,JANTX=1,JAN=2,LOWER=5', 'MIL-HDBK-217F Notice 2 6.6, 6.7, 6.8, 6.9 pi Q');
-- pi Q high-frequency diodes
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('2Q3', 'JANTXV=.5,JANTX=1,JAN=5,LOWER=25,PLASTIC=50', 'MIL-HDBK-217F Notice 2 6.2 pi Q');
-- pi Q resistors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4Q1', 'S=.03,R=.1,P=.3,M=1,MIL=5,LOWER=15', 'MIL-HDBK-217F (1991) 9 pi Q fixed resistors');
-- pi Q capacitors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4Q2', 'D=.001,C=.01,S=.03,B=.03,R=.1,P=.3,M=1,L=1.5,MIL=3,LOWER=10', 'MIL-HDBK-217F (1991) 10 pi Q');
-- pi Q inductive devices
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4Q3', 'S=.03,R=.1,P=.3,M=1,MIL=1,LOWER=3', 'MIL-HDBK-217F (1991) 11.1, 11.2 pi Q (unverified)');
-- pi Q capacitors of established reliability (default R/L)
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4Q4', 'D=.001,C=.01,S=.03,B=.03,R=.1,P=.3,M=1,L=1.5,MIL=3,LOWER=10', 'MIL-HDBK-217F (1991) 10 pi Q');
-- pi Q thermistors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4Q5', 'MIL=1,LOWER=15', 'MIL-HDBK-217F (1991) 9.8 pi Q thermistors');
-- pi Q quartz crystals
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4Q6', 'MIL=1,LOWER=2.1', 'MIL-HDBK-217F Notice 2 19.1 pi Q');
-- pi Q resistor networks: the handbook has MIL-SPEC and lower quality only; the
-- established-reliability classes of a run count as MIL-SPEC
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('4Q7', 'S=1,R=1,P=1,M=1,MIL=1,LOWER=3', 'MIL-HDBK-217F (1991) 9.4 pi Q (MIL-SPEC 1.0, lower 3.0; S, R, P, M as MIL-SPEC)');
-- pi Q relays
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('5Q1', 'R=.1,P=.3,X=.45,U=.6,M=1,L=1.5,MIL=1.5,LOWER=2.9', 'MIL-HDBK-217F Notice 2 13.1 pi Q; MIL 1.5 and LOWER 2.9 unverified');
-- switches have no quality factor: the class picks the base rate of the record
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('5Q2', 'MIL=1,LOWER=1', 'MIL-HDBK-217F (1991) 14.1, 14.2, 14.3: no quality factor, the quality selects the MIL-SPEC or lower-quality base rate');
-- MIL-HDBK-217F styles of ceramic capacitors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('Tec411', '1=4CC,2=4CK,3=4CDR', 'MIL-HDBK-217F (1991) 10 styles CC, CK, CDR');
-- MIL-HDBK-217F styles of tantalum capacitors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('Tec412', '1=4CFCS,2=4CL', 'MIL-HDBK-217F (1991) 10 styles CSR, CL');
-- MIL-HDBK-217F styles of aluminium capacitors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('Tec413', '1=4CU', 'MIL-HDBK-217F (1991) 10 styles CU');
-- MIL-HDBK-217F styles of film capacitors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('Tec415', '1=4CRH', 'MIL-HDBK-217F (1991) 10 style CRH');
-- MIL-HDBK-217F styles of thermistors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('Tec426', '1=4RTHBEAD,2=4RTHDISK,3=4RTHROD', 'MIL-HDBK-217F (1991) 9.8 thermistors');
-- MIL-HDBK-217F styles of variable resistors
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('Tec427', '1=4PTRIM', 'MIL-HDBK-217F (1991) 9.9 style RT');

INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvGb1', 'Boden, günstig', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvGb2', 'Ground, benign', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvGf1', 'Boden, fest', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvGf2', 'Ground, fixed', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvGm1', 'Boden, mobil', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvGm2', 'Ground, mobile', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvNs1', 'Marine, geschützt', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvNs2', 'Naval, sheltered', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvNu1', 'Marine, ungeschützt', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvNu2', 'Naval, unsheltered', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvAic1', 'Luftfahrt, bewohnt, Transport', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvAic2', 'Airborne, inhabited, cargo', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvAif1', 'Luftfahrt, bewohnt, Kampfflugzeug', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvAif2', 'Airborne, inhabited, fighter', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvAuc1', 'Luftfahrt, unbewohnt, Transport', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvAuc2', 'Airborne, uninhabited, cargo', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvAuf1', 'Luftfahrt, unbewohnt, Kampfflugzeug', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvAuf2', 'Airborne, uninhabited, fighter', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvArw1', 'Luftfahrt, Drehflügler', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvArw2', 'Airborne, rotary winged', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvSf1', 'Weltraum, Orbit', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvSf2', 'Space, flight', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvMf1', 'Flugkörper, Flug', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvMf2', 'Missile, flight', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvMl1', 'Flugkörper, Start', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvMl2', 'Missile, launch', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvCl1', 'Kanonenstart', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
INSERT INTO MILFUNKT (Kl, Param, Quelle) VALUES ('EnvCl2', 'Cannon, launch', 'MIL-HDBK-217F Notice 2 3 environments (section unverified)');
