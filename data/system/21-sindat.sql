-- Norm parameter records SINDAT of the system database.
--
-- Demo installation: the rates and norm parameters are representative values
-- chosen for a demonstration of the program, not reference data of the norm.
-- Replace them by the values of the norm edition in use before predictions
-- are relied on.
--
-- Keys: A, Ea1, Ea2 two-term temperature model (share and activation energies,
-- eV), Rf non-operating ratio, Tlimit, Tref2; C1..C5, Uref/Uber, Vref/Vber,
-- Viref/Viber stress model; Pqs quality LL/GP; Labv/Klv, Labvb/Klvb default
-- load kind and type, load factors under load kind + type; Pa Akr factors;
-- Shy/Sh reference switching rates; the step table 1, 2, ... of lamps.
-- Composed records: <group>0T1/0T2 temperature, 530R1/R2 and 540R1/R2
-- non-operating ratio, <group>E<family> environment factors under the
-- environment name followed by a technology digit.
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1110', 'A=.8,Ea1=.3,Ea2=.7,Rf=.1'); -- memories
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1120', 'A=.8,Ea1=.3,Ea2=.7,Rf=.1'); -- programmable memories
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1130', 'A=.8,Ea1=.3,Ea2=.7,Rf=.1'); -- dynamic memories
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1140', 'A=.8,Ea1=.3,Ea2=.7,Rf=.1'); -- static memories
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1160', 'A=.8,Ea1=.3,Ea2=.7,Rf=.1'); -- EEPROM and flash
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1210', 'A=.9,Ea1=.3,Ea2=.7,Rf=.1'); -- microprocessors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1220', 'A=.9,Ea1=.3,Ea2=.7,Rf=.1'); -- microcontrollers
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1230', 'A=.9,Ea1=.3,Ea2=.7,Rf=.1'); -- signal processors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1260', 'A=.9,Ea1=.3,Ea2=.7,Rf=.1'); -- peripheral ICs
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1310', 'A=.9,Ea1=.3,Ea2=.7,Rf=.1'); -- gate arrays and ASICs
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1312', 'A=.8,Ea1=.3,Ea2=.7,Rf=.1'); -- mixed-signal ASICs
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1330', 'A=.8,Ea1=.35,Ea2=.8,Rf=.1'); -- digital RF and high-voltage circuits
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1370', 'A=.9,Ea1=.3,Ea2=.7,Rf=.1'); -- programmable logic
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1410', 'A=.9,Ea1=.3,Ea2=.7,Rf=.1,C1=.1,C2=1,Uref=5,Uber=3.3/15'); -- CMOS and BiCMOS logic: supply voltage
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1411', 'A=.9,Ea1=.3,Ea2=.7,Rf=.1'); -- bipolar logic
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1510', 'A=.8,Ea1=.3,Ea2=.7,Rf=.1'); -- thick-film hybrids
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1520', 'A=.8,Ea1=.3,Ea2=.7,Rf=.1'); -- thin-film hybrids
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1530', 'A=.8,Ea1=.3,Ea2=.7,Rf=.1'); -- hybrid transistor arrays
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1610', 'A=.7,Ea1=.3,Ea2=.7,Rf=.1,C2=2,C3=1.5,Vref=.5,Vber=.3/.7'); -- linear circuits: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1620', 'A=.7,Ea1=.3,Ea2=.7,Rf=.1,C2=2,C3=1.5,Vref=.5,Vber=.3/.7'); -- linear circuits: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1630', 'A=.7,Ea1=.3,Ea2=.7,Rf=.1,C2=2,C3=1.5,Vref=.5,Vber=.3/.7'); -- linear circuits: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1640', 'A=.7,Ea1=.3,Ea2=.7,Rf=.1,C2=2,C3=1.5,Vref=.5,Vber=.3/.7'); -- linear circuits: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1650', 'A=.7,Ea1=.3,Ea2=.7,Rf=.1,C2=2,C3=1.5,Vref=.5,Vber=.3/.7'); -- converters: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1660', 'A=.7,Ea1=.3,Ea2=.7,Rf=.1,C2=2,C3=1.5,Vref=.5,Vber=.3/.7'); -- converters: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1670', 'A=.7,Ea1=.3,Ea2=.7,Rf=.1,C2=2,C3=1.5,Vref=.5,Vber=.3/.7'); -- converters: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1680', 'A=.7,Ea1=.35,Ea2=.8,Rf=.1,C2=2,C3=1.5,Vref=.5,Vber=.3/.7'); -- linear RF circuits
INSERT INTO SINDAT (Dcode, Daten) VALUES ('1683', 'A=.7,Ea1=.4,Ea2=1,Rf=.1,C2=2,C3=1.5,Vref=.5,Vber=.3/.7'); -- GaAs MMIC
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2110', 'A=.9,Ea1=.3,Ea2=.6,Rf=.1,C2=2,C3=1.2,Vref=.5,Vber=.3/.7'); -- transistors: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2120', 'A=.9,Ea1=.3,Ea2=.6,Rf=.1,C2=2,C3=1.2,Vref=.5,Vber=.3/.7'); -- transistor arrays: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2130', 'A=.9,Ea1=.3,Ea2=.6,Rf=.1,C2=2,C3=1.2,Vref=.5,Vber=.3/.7'); -- transistors: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2140', 'A=.9,Ea1=.3,Ea2=.6,Rf=.1,C2=2,C3=1.2,Vref=.5,Vber=.3/.7'); -- transistors: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2160', 'A=.9,Ea1=.3,Ea2=.6,Rf=.1,C2=2,C3=1.2,Vref=.5,Vber=.3/.7'); -- transistors: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2170', 'A=.9,Ea1=.3,Ea2=.6,Rf=.1,C2=2,C3=1.2,Vref=.5,Vber=.3/.7'); -- transistors: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2180', 'A=.9,Ea1=.3,Ea2=.6,Rf=.1,C2=2,C3=1.2,Vref=.5,Vber=.3/.7'); -- transistors: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2210', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2220', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2230', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2240', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2250', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2260', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2270', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2510', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2520', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2530', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2540', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('2550', 'A=1,Ea1=.4,Rf=.1'); -- diodes and thyristors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3110', 'A=1,Ea1=.4,Rf=.1,C2=2,C3=1,Vref=.5,Vber=.3/.7'); -- photodetectors: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3120', 'A=1,Ea1=.4,Rf=.1,C2=2,C3=1,Vref=.5,Vber=.3/.7'); -- optocouplers: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3130', 'A=1,Ea1=.4,Rf=.1,C2=2,C3=1,Vref=.5,Vber=.3/.7'); -- photodiodes: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3210', 'A=1,Ea1=.4,Rf=.1,C4=1.2,C5=1,Viref=.5,Viber=.3/.8'); -- LEDs: current ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3220', 'A=1,Ea1=.4,Rf=.1,C4=1.2,C5=1,Viref=.5,Viber=.3/.8'); -- LED displays: current ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3227', 'A=1,Ea1=.3,Rf=.1'); -- liquid-crystal displays
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3250', 'A=1,Ea1=.5,Rf=.1,C4=2,C5=1,Viref=.5,Viber=.3/.8'); -- laser diodes: current ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3310', 'A=1,Ea1=.4,Rf=.1'); -- optical switches
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3410', 'A=1,Ea1=.1,Rf=.1'); -- fibre optics
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3610', 'A=1,Ea1=.3,Rf=.1'); -- tubes
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3710', 'A=1,Ea1=.2,Rf=.1,Vref=1,Vber=.9/1,1=.9/.6,2=1/1,3=1.05/1.5,4=1.1/2.5'); -- lamps: step table of the voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('3720', 'A=1,Ea1=.2,Rf=.1,Vref=1,Vber=.9/1,1=1/1,2=1.1/2'); -- neon lamps: step table of the voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4110', 'A=1,Ea1=.1,Rf=.1,C2=3,C3=1,Vref=.5,Vber=.3/.7'); -- ceramic class 1: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4111', 'A=1,Ea1=.35,Rf=.1,C2=3,C3=1.2,Vref=.5,Vber=.3/.7'); -- ceramic class 2 and 3: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4120', 'A=1,Ea1=.35,Rf=.1,C2=3,C3=2,Vref=.5,Vber=.3/.7'); -- tantalum: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4130', 'A=1,Ea1=.5,Rf=.1,C2=5,C3=2.5,Vref=.5,Vber=.3/.7,Pqs=.5/1.5'); -- aluminium electrolytic: voltage ratio, quality long-life LL / general-purpose GP
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4140', 'A=1,Ea1=.15,Rf=.1,C2=3,C3=1.5,Vref=.5,Vber=.3/.7'); -- plastic film: voltage ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4210', 'A=1,Ea1=.15,Rf=.1'); -- film resistors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4230', 'A=1,Ea1=.2,Rf=.1'); -- composition
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4240', 'A=1,Ea1=.2,Rf=.1'); -- wirewound
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4250', 'A=1,Ea1=.15,Rf=.1'); -- networks
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4260', 'A=1,Ea1=.3,Rf=.1'); -- thermistors
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4270', 'A=1,Ea1=.3,Rf=.1'); -- potentiometers
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4280', 'A=1,Ea1=.2,Rf=.1'); -- power film
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4310', 'A=1,Ea1=.15,Rf=.1'); -- inductive components
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4410', 'A=1,Ea1=.15,Rf=.1'); -- filters and ferrites
INSERT INTO SINDAT (Dcode, Daten) VALUES ('4610', 'A=1,Ea1=.3,Rf=.1'); -- crystals
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5110', 'A=1,Rf=1'); -- connections: no temperature dependence
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5112', 'A=1,Rf=1'); -- summary position of a sub-list
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5210', 'A=1,Ea1=.1,Rf=.1'); -- connectors and sockets
INSERT INTO SINDAT (Dcode, Daten) VALUES ('530R1', 'Rf=.1'); -- relays: non-operating ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('530R2', 'Rf=.05'); -- relays of kinds 1 to 3: non-operating ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('530T1', 'A=1,Ea1=.25'); -- relays rated up to 85 degC: temperature
INSERT INTO SINDAT (Dcode, Daten) VALUES ('530T2', 'A=1,Ea1=.2'); -- relays rated up to 125 degC: temperature
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5310', 'Labv=2,Klv=R,Labvb=1/3,Klvb=R/L,1R=.5,2R=1,3R=2.5,1L=.6,2L=1.5,3L=4,1C=.6,2C=2,3C=6,1F=.5,2F=1,3F=2.5,Pa=1/3'); -- general-purpose relays: contact load, Akr
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5320', 'Labv=2,Klv=R,Labvb=1/3,Klvb=R/L,1R=.5,2R=1,3R=2.5,1L=.6,2L=1.5,3L=4,1C=.6,2C=2,3C=6,1F=.5,2F=1,3F=2.5,Pa=1/2'); -- reed relays: contact load, Akr
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5330', 'Labv=2,Klv=R,Labvb=1/3,Klvb=R/L,1R=.5,2R=1,3R=2.5,1L=.6,2L=1.5,3L=4,1C=.6,2C=2,3C=6,1F=.5,2F=1,3F=2.5,Pa=1/3'); -- power relays: contact load, Akr
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5340', 'Labv=2,Klv=R,Labvb=1/3,Klvb=R/L,1R=.5,2R=1,3R=2.5,1L=.6,2L=1.5,3L=4,1C=.6,2C=2,3C=6,1F=.5,2F=1,3F=2.5'); -- time-delay relays: contact load
INSERT INTO SINDAT (Dcode, Daten) VALUES ('53EIE', 'Gf0=2,Gf1=2,Gf2=2,Gf3=2,Gf4=2,Gm0=4,Gm1=4,Gm2=4,Gm3=4,Gm4=4,StGf0=2,StGf1=2,StGf2=2,StGf3=2,StGf4=2,StGm0=4,StGm1=4,StGm2=4,StGm3=4,StGm4=4'); -- environment factors, IEC 61709 environments
INSERT INTO SINDAT (Dcode, Daten) VALUES ('53EYK', 'Kfz0=3/5,Kfz1=3/5,Kfz2=3/5,Kfz3=3/5,Kfz4=3/5,Ess0=1.5/2,Ess1=1.5/2,Ess2=1.5/2,Ess3=1.5/2,Ess4=1.5/2'); -- environment factors, environments of the norm
INSERT INTO SINDAT (Dcode, Daten) VALUES ('540R1', 'Rf=.1'); -- switches: non-operating ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('540R2', 'Rf=.05'); -- sealed switches: non-operating ratio
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5410', 'A=1,Ea1=.2,Rf=.1,Labv=2,Klv=R,Labvb=1/3,Klvb=R/L'); -- switches: default load for MIL-HDBK-217F
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5420', 'A=1,Ea1=.2,Rf=.1,Labv=2,Klv=R,Labvb=1/3,Klvb=R/L'); -- switches: default load for MIL-HDBK-217F
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5430', 'A=1,Ea1=.2,Rf=.1,Labv=2,Klv=R,Labvb=1/3,Klvb=R/L'); -- switches: default load for MIL-HDBK-217F
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5440', 'A=1,Ea1=.2,Labv=2,Klv=R,Labvb=1/3,Klvb=R/L,1R=.5,2R=1,3R=2.5,1L=.6,2L=1.5,3L=4,1C=.6,2C=2,3C=6,1F=.5,2F=1,3F=2.5'); -- switches with contact load
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5450', 'A=1,Ea1=.2,Labv=2,Klv=R,Labvb=1/3,Klvb=R/L,1R=.5,2R=1,3R=2.5,1L=.6,2L=1.5,3L=4,1C=.6,2C=2,3C=6,1F=.5,2F=1,3F=2.5'); -- switches with contact load
INSERT INTO SINDAT (Dcode, Daten) VALUES ('54EIE', 'Gf0=2,Gf1=2,Gf2=2,Gf3=2,Gf4=2,Gm0=4,Gm1=4,Gm2=4,Gm3=4,Gm4=4,StGf0=2,StGf1=2,StGf2=2,StGf3=2,StGf4=2,StGm0=4,StGm1=4,StGm2=4,StGm3=4,StGm4=4'); -- environment factors, IEC 61709 environments
INSERT INTO SINDAT (Dcode, Daten) VALUES ('54EYK', 'Kfz0=3/5,Kfz1=3/5,Kfz2=3/5,Kfz3=3/5,Kfz4=3/5,Ess0=1.5/2,Ess1=1.5/2,Ess2=1.5/2,Ess3=1.5/2,Ess4=1.5/2'); -- environment factors, environments of the norm
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5510', 'A=1,Ea1=.2,Rf=.1,C1=.02,C2=1,Uref=24,C4=1,C5=2,Viref=.5,Labv=2,Labvb=1/3'); -- contactors: coil voltage, current, default load kind
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5550', 'A=1,Rf=.1'); -- auxiliary contact
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5610', 'A=1,Ea1=.2,Rf=.1'); -- fuses
INSERT INTO SINDAT (Dcode, Daten) VALUES ('580T1', 'A=1,Ea1=.2'); -- circuit breakers: temperature
INSERT INTO SINDAT (Dcode, Daten) VALUES ('580T2', 'A=1,Ea1=.15'); -- circuit breakers for high temperature: temperature
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5810', 'C1=.02,C2=1,Uref=230,C4=1,C5=2,Viref=.5,Shy=100'); -- circuit breakers: voltage, current, cycles a year
INSERT INTO SINDAT (Dcode, Daten) VALUES ('58EIE', 'Gf0=2,Gf1=2,Gf2=2,Gf3=2,Gm0=4,Gm1=4,Gm2=4,Gm3=4,StGf0=2,StGf1=2,StGf2=2,StGf3=2,StGm0=4,StGm1=4,StGm2=4,StGm3=4'); -- environment factors, IEC 61709 environments
INSERT INTO SINDAT (Dcode, Daten) VALUES ('58EYK', 'Kfz0=3/5,Kfz1=3/5,Kfz2=3/5,Kfz3=3/5,Ess0=1.5/2,Ess1=1.5/2,Ess2=1.5/2,Ess3=1.5/2'); -- environment factors, environments of the norm
INSERT INTO SINDAT (Dcode, Daten) VALUES ('5910', 'A=1,Ea1=.1,Rf=.1,C4=1,C5=2,Viref=.5,Sh=10'); -- keyboards: current, operations an hour
INSERT INTO SINDAT (Dcode, Daten) VALUES ('59EIE', 'Gf=2,Gm=4,StGf=2.5,StGm=5'); -- environment factors, IEC 61709 environments
INSERT INTO SINDAT (Dcode, Daten) VALUES ('59EYK', 'Kfz=3/5,Ess=1.5/2'); -- environment factors, environments of the norm
INSERT INTO SINDAT (Dcode, Daten) VALUES ('6110', 'A=1,Rf=.1'); -- fans
INSERT INTO SINDAT (Dcode, Daten) VALUES ('6210', 'A=1,Rf=.1'); -- batteries
INSERT INTO SINDAT (Dcode, Daten) VALUES ('7110', 'A=1,Rf=.1'); -- printed circuit boards
