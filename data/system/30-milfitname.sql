-- MIL-HDBK-217F model records MILFITNAME: the key Bacm is the model name, whose
-- first character names the family (1 microcircuits, 2 discrete semiconductors,
-- 3 optoelectronics, 4 passive components, 5 relays, switches, connectors,
-- connections). Fit holds the model's constants; base rates per 10^6 hours of
-- the handbook are stored x 1000 (fit). Qc and Ec name the quality and
-- environment tables of MILFUNKT; Pq is a fixed quality factor. Quelle names the
-- edition and section of MIL-HDBK-217F the constants come from. Resistors,
-- capacitors, inductive devices, switches and connectors follow the 1991 base
-- edition, whose formula shapes the models use; the other families follow
-- Notice 2. A value that could not be checked against the handbook says
-- "unverified" in Quelle.

INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGBIP100',    'Ar=2.5,Qc=1Q1,Ec=1E1', 'Digital bipolar gate array, 1-100 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGBIP1K',     'Ar=5,Qc=1Q1,Ec=1E1', 'Digital bipolar gate array, 101-1000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGBIP3K',     'Ar=10,Qc=1Q1,Ec=1E1', 'Digital bipolar gate array, 1001-3000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGBIP10K',    'Ar=20,Qc=1Q1,Ec=1E1', 'Digital bipolar gate array, 3001-10000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGBIP30K',    'Ar=40,Qc=1Q1,Ec=1E1', 'Digital bipolar gate array, 10001-30000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGBIP60K',    'Ar=80,Qc=1Q1,Ec=1E1', 'Digital bipolar gate array, 30001-60000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGMOS100',    'Ar=10,Qc=1Q1,Ec=1E1', 'Digital MOS gate array, 1-100 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGMOS1K',     'Ar=20,Qc=1Q1,Ec=1E1', 'Digital MOS gate array, 101-1000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGMOS3K',     'Ar=40,Qc=1Q1,Ec=1E1', 'Digital MOS gate array, 1001-3000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGMOS10K',    'Ar=80,Qc=1Q1,Ec=1E1', 'Digital MOS gate array, 3001-10000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGMOS30K',    'Ar=160,Qc=1Q1,Ec=1E1', 'Digital MOS gate array, 10001-30000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGMOS60K',    'Ar=290,Qc=1Q1,Ec=1E1', 'Digital MOS gate array, 30001-60000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 logic and gate arrays');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGGAAS1K',    'Ar=25000,Qc=1Q1,Ec=1E1', 'Digital GaAs, 1-1000 active elements', 'MIL-HDBK-217F Notice 2 5.4 C1 digital GaAs');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1DIGGAAS10K',   'Ar=51000,Qc=1Q1,Ec=1E1', 'Digital GaAs, 1001-10000 active elements', 'MIL-HDBK-217F Notice 2 5.4 C1 digital GaAs');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1LIN100',       'Ar=10,Qc=1Q1,Ec=1E1', 'Linear bipolar/MOS, 1-100 transistors', 'MIL-HDBK-217F Notice 2 5.1 C1 linear');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1LIN300',       'Ar=20,Qc=1Q1,Ec=1E1', 'Linear bipolar/MOS, 101-300 transistors', 'MIL-HDBK-217F Notice 2 5.1 C1 linear');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1LIN1K',        'Ar=40,Qc=1Q1,Ec=1E1', 'Linear bipolar/MOS, 301-1000 transistors', 'MIL-HDBK-217F Notice 2 5.1 C1 linear');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1LIN10K',       'Ar=60,Qc=1Q1,Ec=1E1', 'Linear bipolar/MOS, 1001-10000 transistors', 'MIL-HDBK-217F Notice 2 5.1 C1 linear');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MPBIP8',       'Ar=60,Qc=1Q1,Ec=1E1', 'Microprocessor bipolar, up to 8 bits', 'MIL-HDBK-217F Notice 2 5.1 C1 microprocessors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MPBIP16',      'Ar=120,Qc=1Q1,Ec=1E1', 'Microprocessor bipolar, up to 16 bits', 'MIL-HDBK-217F Notice 2 5.1 C1 microprocessors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MPBIP32',      'Ar=240,Qc=1Q1,Ec=1E1', 'Microprocessor bipolar, up to 32 bits', 'MIL-HDBK-217F Notice 2 5.1 C1 microprocessors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MPMOS8',       'Ar=140,Qc=1Q1,Ec=1E1', 'Microprocessor MOS, up to 8 bits', 'MIL-HDBK-217F Notice 2 5.1 C1 microprocessors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MPMOS16',      'Ar=280,Qc=1Q1,Ec=1E1', 'Microprocessor MOS, up to 16 bits', 'MIL-HDBK-217F Notice 2 5.1 C1 microprocessors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MPMOS32',      'Ar=560,Qc=1Q1,Ec=1E1', 'Microprocessor MOS, up to 32 bits', 'MIL-HDBK-217F Notice 2 5.1 C1 microprocessors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1PLABIP200',    'Ar=10,Qc=1Q1,Ec=1E1', 'PLA/PAL bipolar, up to 200 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 PLA/PAL');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1PLABIP1K',     'Ar=21,Qc=1Q1,Ec=1E1', 'PLA/PAL bipolar, 201-1000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 PLA/PAL');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1PLABIP5K',     'Ar=42,Qc=1Q1,Ec=1E1', 'PLA/PAL bipolar, 1001-5000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 PLA/PAL');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1PLAMOS500',    'Ar=0.85,Qc=1Q1,Ec=1E1', 'PLA/PAL MOS, up to 500 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 PLA/PAL');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1PLAMOS1K',     'Ar=1.7,Qc=1Q1,Ec=1E1', 'PLA/PAL MOS, 501-1000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 PLA/PAL');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1PLAMOS5K',     'Ar=3.4,Qc=1Q1,Ec=1E1', 'PLA/PAL MOS, 1001-5000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 PLA/PAL');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1PLAMOS20K',    'Ar=6.8,Qc=1Q1,Ec=1E1', 'PLA/PAL MOS, 5001-20000 gates', 'MIL-HDBK-217F Notice 2 5.1 C1 PLA/PAL');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMROM16K',    'Ar=0.65,Qc=1Q1,Ec=1E1', 'MOS ROM, up to 16K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMROM64K',    'Ar=1.3,Qc=1Q1,Ec=1E1', 'MOS ROM, 16K-64K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMROM256K',   'Ar=2.6,Qc=1Q1,Ec=1E1', 'MOS ROM, 64K-256K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMROM1M',     'Ar=5.2,Qc=1Q1,Ec=1E1', 'MOS ROM, 256K-1M bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMPROM16K',   'Ar=0.85,Qc=1Q1,Ec=1E1', 'MOS PROM, UVEPROM, EEPROM, EAPROM, up to 16K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMPROM64K',   'Ar=1.7,Qc=1Q1,Ec=1E1', 'MOS PROM, UVEPROM, EEPROM, EAPROM, 16K-64K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMPROM256K',  'Ar=3.4,Qc=1Q1,Ec=1E1', 'MOS PROM, UVEPROM, EEPROM, EAPROM, 64K-256K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMPROM1M',    'Ar=6.8,Qc=1Q1,Ec=1E1', 'MOS PROM, UVEPROM, EEPROM, EAPROM, 256K-1M bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMDRAM16K',   'Ar=1.3,Qc=1Q1,Ec=1E1', 'MOS DRAM, up to 16K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMDRAM64K',   'Ar=2.5,Qc=1Q1,Ec=1E1', 'MOS DRAM, 16K-64K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMDRAM256K',  'Ar=5.0,Qc=1Q1,Ec=1E1', 'MOS DRAM, 64K-256K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMDRAM1M',    'Ar=10,Qc=1Q1,Ec=1E1', 'MOS DRAM, 256K-1M bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMSRAM16K',   'Ar=7.8,Qc=1Q1,Ec=1E1', 'MOS and BiMOS SRAM, up to 16K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMSRAM64K',   'Ar=16,Qc=1Q1,Ec=1E1', 'MOS and BiMOS SRAM, 16K-64K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMSRAM256K',  'Ar=31,Qc=1Q1,Ec=1E1', 'MOS and BiMOS SRAM, 64K-256K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMSRAM1M',    'Ar=62,Qc=1Q1,Ec=1E1', 'MOS and BiMOS SRAM, 256K-1M bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMBIPROM16K', 'Ar=9.4,Qc=1Q1,Ec=1E1', 'Bipolar ROM, PROM, up to 16K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMBIPROM64K', 'Ar=19,Qc=1Q1,Ec=1E1', 'Bipolar ROM, PROM, 16K-64K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMBIPROM256K', 'Ar=38,Qc=1Q1,Ec=1E1', 'Bipolar ROM, PROM, 64K-256K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMBIPROM1M',  'Ar=75,Qc=1Q1,Ec=1E1', 'Bipolar ROM, PROM, 256K-1M bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMBIPSRAM16K', 'Ar=5.2,Qc=1Q1,Ec=1E1', 'Bipolar SRAM, up to 16K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMBIPSRAM64K', 'Ar=11,Qc=1Q1,Ec=1E1', 'Bipolar SRAM, 16K-64K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMBIPSRAM256K', 'Ar=21,Qc=1Q1,Ec=1E1', 'Bipolar SRAM, 64K-256K bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1MEMBIPSRAM1M', 'Ar=42,Qc=1Q1,Ec=1E1', 'Bipolar SRAM, 256K-1M bits', 'MIL-HDBK-217F Notice 2 5.2 C1 memories');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1VLOGIC',       'Ar=160,Qc=1Q1,Ec=1E1', 'VHSIC/VHSIC-like CMOS, logic and custom', 'MIL-HDBK-217F Notice 2 5.3 lambda BD');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1VGATEARR',     'Ar=240,Qc=1Q1,Ec=1E1', 'VHSIC/VHSIC-like CMOS, gate array and memory', 'MIL-HDBK-217F Notice 2 5.3 lambda BD');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('1HYBTRARRAY',   'Ar=.74,Ct=2114,Qc=1Q1,Ec=1E1', 'Hybrid transistor array (bipolar transistors)', 'MIL-HDBK-217F Notice 2 5.5 hybrid, 6.3 transistor base rate');

INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOLFGPA',     'Ar=3.8,Ct=3091,Qc=2Q1,Ec=2E1', 'Diode LF, general purpose analog', 'MIL-HDBK-217F Notice 2 6.1 lambda b, pi T, pi S, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOLFS',       'Ar=1.0,Ct=3091,Qc=2Q1,Ec=2E1', 'Diode LF, switching', 'MIL-HDBK-217F Notice 2 6.1 lambda b, pi T, pi S, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOLFPRF',     'Ar=69,Ct=3091,Qc=2Q1,Ec=2E1', 'Diode LF, power rectifier fast recovery', 'MIL-HDBK-217F Notice 2 6.1 lambda b, pi T, pi S, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOLFPRS',     'Ar=3.0,Ct=3091,Qc=2Q1,Ec=2E1', 'Diode LF, power rectifier/Schottky power diode', 'MIL-HDBK-217F Notice 2 6.1 lambda b, pi T, pi S, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOLFPRH',     'Ar=5.0,Ct=3091,Qc=2Q1,Ec=2E1', 'Diode LF, power rectifier with high-voltage stacks (per junction)', 'MIL-HDBK-217F Notice 2 6.1 lambda b, pi T, pi S, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOLFTS',      'Ar=1.3,Ct=3091,Qc=2Q1,Ec=2E1', 'Diode LF, transient suppressor/varistor', 'MIL-HDBK-217F Notice 2 6.1 lambda b, pi T, pi S, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOLFCR',      'Ar=3.4,Ct=1925,Qc=2Q1,Ec=2E1', 'Diode LF, current regulator', 'MIL-HDBK-217F Notice 2 6.1 lambda b, pi T, pi S, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOLFVR',      'Ar=2.0,Ct=1925,Qc=2Q1,Ec=2E1', 'Diode LF, voltage regulator and reference', 'MIL-HDBK-217F Notice 2 6.1 lambda b, pi T, pi S, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOHFVAR',     'Ar=2.5,Ct=2100,Qc=2Q3,Ec=2E2', 'Diode HF, varactor and step recovery', 'MIL-HDBK-217F Notice 2 6.2 lambda b, pi T, pi A (voltage control .5 to multiplier 2.5), pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2DIOHFPIN',     'Ar=8.1,Ct=2100,Qc=2Q3,Ec=2E2', 'Diode HF, PIN', 'MIL-HDBK-217F Notice 2 6.2 lambda b, pi T, pi R by rated power, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2TRLFBIP',      'Ar=.74,Ct=2114,Qc=2Q1,Ec=2E1', 'Transistor LF, bipolar', 'MIL-HDBK-217F Notice 2 6.3');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2TRLFMOSFET',   'Ar=12,Ct=1925,Qc=2Q1,Ec=2E1', 'Transistor LF, Si MOSFET', 'MIL-HDBK-217F Notice 2 6.4');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2TRLFJFET',     'Ar=4.5,Ct=1925,Qc=2Q1,Ec=2E1', 'Transistor LF, Si JFET', 'MIL-HDBK-217F Notice 2 6.4');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2TRHFBIP',      'Ar=180,Ct=2114,Qc=2Q2,Ec=2E2', 'Transistor HF, low-noise bipolar', 'MIL-HDBK-217F Notice 2 6.6');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2TRHFHPBIPAU',  'Ar=38,Ct=2903,Qc=2Q2,Ec=2E2', 'Transistor HF, high-power bipolar, gold metallisation', 'MIL-HDBK-217F Notice 2 6.7 lambda b F up to .5 GHz, P up to 1 W; pi T, pi A, pi M');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2TRHFHPBIPAL',  'Ar=38,Ct=5794,Qc=2Q2,Ec=2E2', 'Transistor HF, high-power bipolar, aluminium metallisation', 'MIL-HDBK-217F Notice 2 6.7 lambda b F up to .5 GHz, P up to 1 W; pi T, pi A, pi M');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2TRHFGAASFET',  'Ar=52,Ct=4485,Qc=2Q2,Ec=2E3', 'Transistor HF, GaAs FET low power', 'MIL-HDBK-217F Notice 2 6.8');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2TRHFSIFET',    'Ar=60,Ct=1925,Qc=2Q2,Ec=2E2', 'Transistor HF, Si FET', 'MIL-HDBK-217F Notice 2 6.9');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2TRLFTHYR',     'Ar=2.2,Ct=3082,Qc=2Q1,Ec=2E1', 'Thyristor/SCR, voltage stress', 'MIL-HDBK-217F Notice 2 6.10');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('2THYR',         'Ar=2.2,Ct=3082,Qc=2Q1,Ec=2E1', 'Thyristor/SCR, current rating', 'MIL-HDBK-217F Notice 2 6.10');

INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3PHOTOTR',      'Ar=5.5,Ct=2790,Qc=2Q1,Ec=3E1', 'Photodetector, phototransistor', 'MIL-HDBK-217F Notice 2 6.11 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3PHOTODIO',     'Ar=4.0,Ct=2790,Qc=2Q1,Ec=3E1', 'Photodetector, photodiode', 'MIL-HDBK-217F Notice 2 6.11 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3ISOPDS',       'Ar=2.5,Ct=2790,Qc=2Q1,Ec=3E1', 'Opto-isolator, photodiode output, single', 'MIL-HDBK-217F Notice 2 6.11 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3ISOPDD',       'Ar=3.3,Ct=2790,Qc=2Q1,Ec=3E1', 'Opto-isolator, photodiode output, dual', 'MIL-HDBK-217F Notice 2 6.11 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3ISOPTS',       'Ar=13,Ct=2790,Qc=2Q1,Ec=3E1', 'Opto-isolator, phototransistor output, single', 'MIL-HDBK-217F Notice 2 6.11 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3ISOPTD',       'Ar=17,Ct=2790,Qc=2Q1,Ec=3E1', 'Opto-isolator, phototransistor output, dual', 'MIL-HDBK-217F Notice 2 6.11 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3ISOPDLS',      'Ar=13,Ct=2790,Qc=2Q1,Ec=3E1', 'Opto-isolator, photodarlington output, single', 'MIL-HDBK-217F Notice 2 6.11 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3IRLED',        'Ar=1.3,Ct=2790,Qc=2Q1,Ec=3E1', 'Emitter, infrared LED', 'MIL-HDBK-217F Notice 2 6.11 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3LED',          'Ar=0.23,Ct=2790,Qc=2Q1,Ec=3E1', 'Emitter, light-emitting diode', 'MIL-HDBK-217F Notice 2 6.11 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3DISPSEG',      'Ar=.43,Ct=2790,Qc=2Q1,Ec=3E1', 'Alphanumeric display, segment (per character)', 'MIL-HDBK-217F Notice 2 6.12');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3DISPARR',      'Ar=.09,Ct=2790,Qc=2Q1,Ec=3E1', 'Alphanumeric display, diode array (per character)', 'MIL-HDBK-217F Notice 2 6.12');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3LASERDIOGA',   'Ar=3230,Ct=4635,Ec=3E1', 'Laser diode, GaAs/AlGaAs', 'MIL-HDBK-217F Notice 2 6.13 lambda b, pi T');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3LASERDIOIN',   'Ar=5650,Ct=4635,Ec=3E1', 'Laser diode, InGaAs/InGaAsP', 'MIL-HDBK-217F Notice 2 6.13 lambda b, pi T');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3CRT',          'Ar=9600,Ec=3E2', 'Cathode-ray tube', 'MIL-HDBK-217F Notice 2 7.1 lambda b');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3VIDICONSB',    'Ar=51000,Ec=3E2', 'Vidicon, antimony trisulfide', 'MIL-HDBK-217F Notice 2 7.1 lambda b');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3VIDICONSI',    'Ar=48000,Ec=3E2', 'Vidicon, silicon diode array', 'MIL-HDBK-217F Notice 2 7.1 lambda b');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3LAMPS',        'Ar=74,Ec=3E3', 'Incandescent lamp, lambda b = A x Vr^1.29', 'MIL-HDBK-217F Notice 2 20.1 lambda b = .074 Vr^1.29 per 10^6 h');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3NEONLAMPS',    'Ar=200,Ec=3E3', 'Neon lamp', 'MIL-HDBK-217F Notice 2 23.1 neon lamps');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3FIBERCON',     'Ar=100,Ec=5E1', 'Fibre-optic connector (per mated pair)', 'MIL-HDBK-217F Notice 2 23.1 fiber optic connectors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('3FIBERCABLE',   'Ar=100,Ec=5E1', 'Fibre-optic cable (per fibre km)', 'MIL-HDBK-217F Notice 2 23.1 fiber optic cables');

INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4CK',           'C1=.3,Sref=.3,Ps=3,Ct=1,Pt=1,Tr=85,Qc=4Q2,Ec=4E12', 'Capacitor, ceramic general purpose (CK)', 'MIL-HDBK-217F (1991) 10 lambda b, pi E, style CK, CKR');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4CC',           'C1=2.6E-6,Sref=.3,Ps=3,Ct=14.3,Pt=1,Tr=125,Qc=4Q2,Ec=4E13', 'Capacitor, ceramic temperature compensating (CC, CCR)', 'MIL-HDBK-217F (1991) 10 lambda b, pi E, styles CC, CCR');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4CDR',          'C1=2.6E-6,Sref=.3,Ps=3,Ct=14.3,Pt=1,Tr=125,Qc=4Q4,Ec=4E13', 'Capacitor, ceramic chip (CDR)', 'MIL-HDBK-217F (1991) 10 lambda b, pi E, style CDR (constants of CC)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4CFCS',         'C1=3.75,Sref=.4,Ps=3,Ct=2.6,Pt=9,Tr=125,Qc=4Q4,Ec=4E14', 'Capacitor, tantalum solid (CSR)', 'MIL-HDBK-217F (1991) 10.12 lambda b, pi SR, pi E, style CSR');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4CL',           'C1=1.65,Sref=.4,Ps=3,Ct=2.6,Pt=9,Tr=125,Qc=4Q4,Ec=4E15', 'Capacitor, tantalum non-solid (CL, CLR)', 'MIL-HDBK-217F (1991) 10 lambda b, pi E, styles CL, CLR');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4CU',           'C1=2.54,Sref=.5,Ps=3,Ct=5.09,Pt=5,Tr=85,Qc=4Q2,Ec=4E2', 'Capacitor, aluminium oxide (CU, CUR)', 'MIL-HDBK-217F (1991) 10 lambda b, styles CU, CUR; pi E of the shared capacitor table unverified');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4CRH',          'C1=.55,Sref=.4,Ps=5,Ct=2.5,Pt=18,Tr=125,Qc=4Q2,Ec=4E16', 'Capacitor, plastic film (CRH, CQ)', 'MIL-HDBK-217F (1991) 10 lambda b (CRH rated 125 degC only), pi E, style CRH');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4RC',           'C1=4.5E-6,Ct=12,Tb=70,Pt=1,Sref=.6,Ps1=1,Ps2=1,Qc=4Q1,Ec=4E9', 'Resistor, composition (RC, RCR)', 'MIL-HDBK-217F (1991) 9.1 lambda b, pi E, styles RC, RCR');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4RN',           'C1=.05,Ct=3.5,Tb=125,Pt=1,Sref=1,Ps1=1,Ps2=1,Qc=4Q1,Ec=4E8', 'Resistor, film (RN, RNR, RNC, RNN)', 'MIL-HDBK-217F (1991) 9.2 lambda b, pi E, styles RN (R, C, N)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4RD',           'C1=7.33,Ct=.202,Tb=25,Pt=2.6,Sref=1.45,Ps1=.89,Ps2=1.3,Qc=4Q1,Ec=4E7', 'Resistor, film power (RD)', 'MIL-HDBK-217F (1991) 9.3 lambda b, pi E, style RD');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4RW',           'C1=1.48,Ct=1,Tb=25,Pt=2,Sref=.5,Ps1=1,Ps2=1,Qc=4Q1,Ec=4E10', 'Resistor, wirewound power (RW, RWR)', 'MIL-HDBK-217F (1991) 9.6 lambda b, pi E, styles RW, RWR');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4RZ',           'Ar=.06,Ct=4056,Qc=4Q7,Ec=4E7', 'Resistor network, film (RZ), per film resistor', 'MIL-HDBK-217F (1991) 9.4 lambda b, pi T, pi Q, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4RTHBEAD',      'Ar=21,Pq=1,Qc=4Q5,Ec=4E11', 'Thermistor, bead (RTH)', 'MIL-HDBK-217F (1991) 9.8 lambda b, pi E thermistors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4RTHDISK',      'Ar=65,Pq=1,Qc=4Q5,Ec=4E11', 'Thermistor, disk (RTH)', 'MIL-HDBK-217F (1991) 9.8 lambda b, pi E thermistors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4RTHROD',       'Ar=105,Pq=1,Qc=4Q5,Ec=4E11', 'Thermistor, rod (RTH)', 'MIL-HDBK-217F (1991) 9.8 lambda b, pi E thermistors');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4PTRIM',        'Ar=2.4,Qc=4Q1,Ec=4E1', 'Resistor, variable trimming (RT)', 'MIL-HDBK-217F (1991) 9.9 style RT; fixed base rate with the quality and environment tables of fixed resistors unverified');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4ITRPOWER',     'Qc=4Q3,Ec=4E3', 'Transformer, power and filter', 'MIL-HDBK-217F (1991) 11.1 lambda b by rated temperature (program)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4ITRAUDIO',     'Qc=4Q3,Ec=4E3', 'Transformer, audio', 'MIL-HDBK-217F (1991) 11.1 lambda b by rated temperature (program)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4ITRPULSE',     'Qc=4Q3,Ec=4E3', 'Transformer, pulse', 'MIL-HDBK-217F (1991) 11.1 lambda b by rated temperature (program)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4ICOIL',        'Qc=4Q3,Ec=4E6', 'Coil and choke', 'MIL-HDBK-217F (1991) 11.2 lambda b by rated temperature (program)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4QCRYSTAL',     'Ar=13,Pq=1,Qc=4Q6,Ec=4E4', 'Quartz crystal, lambda b = A x f^.23', 'MIL-HDBK-217F Notice 2 19.1');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4FILTER',       'Ar=22,Pq=1,Ec=4E5', 'Electronic filter, ceramic-ferrite construction', 'MIL-HDBK-217F Notice 2 21.1');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('4FERRITE',      'Ar=2,Pq=1,Ec=4E5', 'Ferrite bead', 'MIL-HDBK-217F Notice 2 21.1; ferrite bead base rate unverified');

INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5CONA',         'C1=20,Ct=1592,T0=473,Pot=5.36,Ec=5E1', 'Connector, insert material A (glass, ceramic, polyimide)', 'MIL-HDBK-217F (1991) 15.1 lambda b by insert material');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5CONB',         'C1=431,Ct=2073.6,T0=423,Pot=4.66,Ec=5E1', 'Connector, insert material B (DAP, epoxy, silicone)', 'MIL-HDBK-217F (1991) 15.1 lambda b by insert material');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5CONC',         'C1=190,Ct=1298,T0=373,Pot=4.25,Ec=5E1', 'Connector, insert material C (PTFE)', 'MIL-HDBK-217F (1991) 15.1 lambda b by insert material');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5COND',         'C1=770,Ct=1528.8,T0=358,Pot=4.72,Ec=5E1', 'Connector, insert material D (polyamide)', 'MIL-HDBK-217F (1991) 15.1 lambda b by insert material');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5CONPCB',       'C1=770,Ct=1528.8,T0=358,Pot=4.72,Ec=5E7', 'Connector, printed circuit board, insert material D (polyamide)', 'MIL-HDBK-217F (1991) 15.2 lambda b by insert material, pi E');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5ICSOCKET',     'Ar=.42,Ec=5E4', 'IC socket', 'MIL-HDBK-217F (1991) 15.3 IC sockets; base rate unverified');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5RELGP',        'C1=5.55,T0=352,Pot=15.7,Pf=3,Qc=5Q1,Ec=5E2', 'Relay, general purpose, rated 85 degC', 'MIL-HDBK-217F Notice 2 13.1 lambda b, pi F (0-5 A, general purpose, armature long)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5RELLATCH',     'C1=5.55,T0=352,Pot=15.7,Pf=5/10,Qc=5Q1,Ec=5E2', 'Relay, magnetic latching, rated 85 degC', 'MIL-HDBK-217F Notice 2 13.1 lambda b, pi F (0-5 A, latching magnetic: balanced armature and mercury wetted 5 to dry reed 10)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5RELREED',      'C1=5.55,T0=352,Pot=15.7,Pf=6,Qc=5Q1,Ec=5E2', 'Relay, dry reed, rated 85 degC', 'MIL-HDBK-217F Notice 2 13.1 lambda b, pi F (signal current, dry reed)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5RELPOWER',     'C1=5.55,T0=352,Pot=15.7,Pf=1/3,Qc=5Q1,Ec=5E2', 'Relay, medium power 5-20 A, rated 85 degC', 'MIL-HDBK-217F Notice 2 13.1 lambda b, pi F (5-20 A, medium power, 1 to 3 by construction)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5RELTD',        'C1=5.55,T0=352,Pot=15.7,Pf=9/10,Qc=5Q1,Ec=5E2', 'Relay, time delay, rated 85 degC', 'MIL-HDBK-217F Notice 2 13.1 lambda b, pi F (time delay: electronic 9 to thermal bimetal 10)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5CONTACTOR',    'C1=5.4,T0=377,Pot=10.4,Pf=10,Qc=5Q1,Ec=5E2', 'Contactor, rated 125 degC', 'MIL-HDBK-217F Notice 2 13.1 lambda b, pi F (contactor, 25-600 A, balanced armature)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5SWTOG',        'Ar=.45,ArL=34,Qc=5Q2,Ec=5E3', 'Switch, toggle (snap action)', 'MIL-HDBK-217F (1991) 14.1 lambda b MIL-SPEC and lower quality');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5SWPUSH',       'Ar=.45,ArL=34,Qc=5Q2,Ec=5E3', 'Switch, pushbutton (snap action)', 'MIL-HDBK-217F (1991) 14.1 lambda b MIL-SPEC and lower quality');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5SWDIP',        'Ar=.45,ArL=34,Qc=5Q2,Ec=5E3', 'Switch, DIP (snap action per contact)', 'MIL-HDBK-217F (1991) 14.1 toggle rates used for DIP switches (unverified)');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5SWROT',        'Ar1=6.7,Ar2=.03,Ar1L=100,Ar2L=20,Qc=5Q2,Ec=5E3', 'Switch, rotary (ceramic RF wafers), lambda b1 + n lambda b2', 'MIL-HDBK-217F (1991) 14.3 lambda b1, lambda b2 MIL-SPEC and lower quality');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5SWSENS',       'Ar1=100,Ar2=.45,Ar1L=100,Ar2L=230,Qc=5Q2,Ec=5E3', 'Switch, basic sensitive, lambda b1 + n lambda b2', 'MIL-HDBK-217F (1991) 14.2 lambda b1, lambda b2 MIL-SPEC and lower quality');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5SOLDERHAND',   'Ar=2.6,Ec=5E6', 'Connection, hand solder without wrapping', 'MIL-HDBK-217F Notice 2 17.1 lambda b');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5SOLDERREFLOW', 'Ar=0.069,Ec=5E6', 'Connection, reflow solder', 'MIL-HDBK-217F Notice 2 17.1 lambda b');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5CRIMP',        'Ar=0.26,Ec=5E6', 'Connection, crimp', 'MIL-HDBK-217F Notice 2 17.1 lambda b');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5WRAP',         'Ar=0.0035,Ec=5E6', 'Connection, solderless wrap', 'MIL-HDBK-217F Notice 2 17.1 lambda b');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5WELD',         'Ar=0.05,Ec=5E6', 'Connection, weld', 'MIL-HDBK-217F Notice 2 17.1 lambda b');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5TERMBLOCK',    'Ar=62,Ec=5E6', 'Connection, terminal block', 'MIL-HDBK-217F Notice 2 17.1; terminal block base rate unverified');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5CONNMODULE',   'Ar=0.069,Ec=5E6', 'Connections of the module (reflow solder)', 'MIL-HDBK-217F Notice 2 17.1 lambda b');
INSERT INTO MILFITNAME (Bacm, Fit, Name, Quelle) VALUES ('5FUSE',         'Ar=10,Ec=5E5', 'Fuse', 'MIL-HDBK-217F Notice 2 22.1');
