-- Component names SINNAME (German N1, English N2), keyed by the class code
-- followed by the first three technology characters, with the characters that
-- the name look-up neutralises for groups 37, 53, 54 and 58 set to 0.

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1110100', 'Festwertspeicher ROM bipolar', 'Read-only memory ROM bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1110300', 'Festwertspeicher ROM NMOS', 'Read-only memory ROM NMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1110400', 'Festwertspeicher ROM CMOS', 'Read-only memory ROM CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1110500', 'Festwertspeicher ROM BiCMOS', 'Read-only memory ROM BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120100', 'Programmierbarer Festwertspeicher PROM/EPROM bipolar', 'Programmable read-only memory PROM/EPROM bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120301', 'Programmierbarer Festwertspeicher PROM/EPROM NMOS bis 10K Zyklen', 'Programmable read-only memory PROM/EPROM NMOS up to 10K cycles');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120302', 'Programmierbarer Festwertspeicher PROM/EPROM NMOS bis 100K Zyklen', 'Programmable read-only memory PROM/EPROM NMOS up to 100K cycles');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120303', 'Programmierbarer Festwertspeicher PROM/EPROM NMOS über 100K Zyklen', 'Programmable read-only memory PROM/EPROM NMOS above 100K cycles');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120401', 'Programmierbarer Festwertspeicher PROM/EPROM CMOS bis 10K Zyklen', 'Programmable read-only memory PROM/EPROM CMOS up to 10K cycles');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120402', 'Programmierbarer Festwertspeicher PROM/EPROM CMOS bis 100K Zyklen', 'Programmable read-only memory PROM/EPROM CMOS up to 100K cycles');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120403', 'Programmierbarer Festwertspeicher PROM/EPROM CMOS über 100K Zyklen', 'Programmable read-only memory PROM/EPROM CMOS above 100K cycles');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120501', 'Programmierbarer Festwertspeicher PROM/EPROM BiCMOS bis 10K Zyklen', 'Programmable read-only memory PROM/EPROM BiCMOS up to 10K cycles');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120502', 'Programmierbarer Festwertspeicher PROM/EPROM BiCMOS bis 100K Zyklen', 'Programmable read-only memory PROM/EPROM BiCMOS up to 100K cycles');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1120503', 'Programmierbarer Festwertspeicher PROM/EPROM BiCMOS über 100K Zyklen', 'Programmable read-only memory PROM/EPROM BiCMOS above 100K cycles');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1130300', 'Dynamischer Schreib-Lese-Speicher DRAM NMOS', 'Dynamic RAM NMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1130400', 'Dynamischer Schreib-Lese-Speicher DRAM CMOS', 'Dynamic RAM CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1130500', 'Dynamischer Schreib-Lese-Speicher DRAM BiCMOS', 'Dynamic RAM BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1140100', 'Statischer Schreib-Lese-Speicher SRAM bipolar', 'Static RAM bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1140300', 'Statischer Schreib-Lese-Speicher SRAM NMOS', 'Static RAM NMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1140400', 'Statischer Schreib-Lese-Speicher SRAM CMOS', 'Static RAM CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1140500', 'Statischer Schreib-Lese-Speicher SRAM BiCMOS', 'Static RAM BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1160300', 'Elektrisch löschbarer Speicher EEPROM/Flash NMOS', 'Electrically erasable memory EEPROM/flash NMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1160400', 'Elektrisch löschbarer Speicher EEPROM/Flash CMOS', 'Electrically erasable memory EEPROM/flash CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1160500', 'Elektrisch löschbarer Speicher EEPROM/Flash BiCMOS', 'Electrically erasable memory EEPROM/flash BiCMOS');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1210100', 'Mikroprozessor bipolar TTL', 'Microprocessor bipolar TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1210400', 'Mikroprozessor CMOS', 'Microprocessor CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1210500', 'Mikroprozessor BiCMOS', 'Microprocessor BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1220100', 'Mikrocontroller bipolar TTL', 'Microcontroller bipolar TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1220400', 'Mikrocontroller CMOS', 'Microcontroller CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1220500', 'Mikrocontroller BiCMOS', 'Microcontroller BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1230100', 'Signalprozessor bipolar TTL', 'Digital signal processor bipolar TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1230400', 'Signalprozessor CMOS', 'Digital signal processor CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1230500', 'Signalprozessor BiCMOS', 'Digital signal processor BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1260100', 'Peripheriebaustein bipolar TTL', 'Peripheral IC bipolar TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1260400', 'Peripheriebaustein CMOS', 'Peripheral IC CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1260500', 'Peripheriebaustein BiCMOS', 'Peripheral IC BiCMOS');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1310100', 'Gate-Array/ASIC bipolar TTL', 'Gate array/ASIC bipolar TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1310200', 'Gate-Array/ASIC bipolar ECL', 'Gate array/ASIC bipolar ECL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1310300', 'Gate-Array/ASIC NMOS', 'Gate array/ASIC NMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1310400', 'Gate-Array/ASIC CMOS', 'Gate array/ASIC CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1310500', 'Gate-Array/ASIC BiCMOS', 'Gate array/ASIC BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1312100', 'Mixed-Signal-ASIC bipolar TTL', 'Mixed-signal ASIC bipolar TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1312400', 'Mixed-Signal-ASIC CMOS', 'Mixed-signal ASIC CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1312500', 'Mixed-Signal-ASIC BiCMOS', 'Mixed-signal ASIC BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1330100', 'Digitale HF-/HV-Schaltung bipolar', 'Digital RF/HV circuit bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1330400', 'Digitale HF-/HV-Schaltung CMOS', 'Digital RF/HV circuit CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1330600', 'Digitale HF-/HV-Schaltung GaAs', 'Digital RF/HV circuit GaAs');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1330700', 'Digitale HF-/HV-Schaltung Hochvolt', 'Digital RF/HV circuit high-voltage');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1370110', 'Programmierbare Logik bipolar TTL PAL/GAL', 'Programmable logic bipolar TTL PAL/GAL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1370410', 'Programmierbare Logik CMOS PAL/GAL', 'Programmable logic CMOS PAL/GAL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1370420', 'Programmierbare Logik CMOS CPLD', 'Programmable logic CMOS CPLD');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1370430', 'Programmierbare Logik CMOS FPGA', 'Programmable logic CMOS FPGA');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1370510', 'Programmierbare Logik BiCMOS PAL/GAL', 'Programmable logic BiCMOS PAL/GAL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1370520', 'Programmierbare Logik BiCMOS CPLD', 'Programmable logic BiCMOS CPLD');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1370530', 'Programmierbare Logik BiCMOS FPGA', 'Programmable logic BiCMOS FPGA');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410100', 'Standardlogik Gatter/Flipflops TTL', 'Standard logic gates/flip-flops TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410120', 'Standardlogik Gatter/Flipflops LS-TTL', 'Standard logic gates/flip-flops LS-TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410130', 'Standardlogik Gatter/Flipflops ALS-TTL', 'Standard logic gates/flip-flops ALS-TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410140', 'Standardlogik Gatter/Flipflops S-TTL', 'Standard logic gates/flip-flops S-TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410160', 'Standardlogik Gatter/Flipflops F-TTL', 'Standard logic gates/flip-flops F-TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410200', 'Standardlogik Gatter/Flipflops ECL', 'Standard logic gates/flip-flops ECL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410210', 'Standardlogik Gatter/Flipflops ECL 10K', 'Standard logic gates/flip-flops ECL 10K');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410220', 'Standardlogik Gatter/Flipflops ECL 100K', 'Standard logic gates/flip-flops ECL 100K');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410300', 'Standardlogik Gatter/Flipflops NMOS', 'Standard logic gates/flip-flops NMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410400', 'Standardlogik Gatter/Flipflops CMOS 4000', 'Standard logic gates/flip-flops CMOS 4000');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410410', 'Standardlogik Gatter/Flipflops CMOS HC', 'Standard logic gates/flip-flops CMOS HC');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410420', 'Standardlogik Gatter/Flipflops CMOS HCT', 'Standard logic gates/flip-flops CMOS HCT');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410430', 'Standardlogik Gatter/Flipflops CMOS AC', 'Standard logic gates/flip-flops CMOS AC');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410440', 'Standardlogik Gatter/Flipflops CMOS ACT', 'Standard logic gates/flip-flops CMOS ACT');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410450', 'Standardlogik Gatter/Flipflops CMOS LV', 'Standard logic gates/flip-flops CMOS LV');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410500', 'Standardlogik Gatter/Flipflops BiCMOS', 'Standard logic gates/flip-flops BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410510', 'Standardlogik Gatter/Flipflops BiCMOS ABT', 'Standard logic gates/flip-flops BiCMOS ABT');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1410600', 'Standardlogik Gatter/Flipflops GaAs', 'Standard logic gates/flip-flops GaAs');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420100', 'Standardlogik Bus-/Schnittstellenlogik TTL', 'Standard logic bus/interface logic TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420120', 'Standardlogik Bus-/Schnittstellenlogik LS-TTL', 'Standard logic bus/interface logic LS-TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420130', 'Standardlogik Bus-/Schnittstellenlogik ALS-TTL', 'Standard logic bus/interface logic ALS-TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420140', 'Standardlogik Bus-/Schnittstellenlogik S-TTL', 'Standard logic bus/interface logic S-TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420160', 'Standardlogik Bus-/Schnittstellenlogik F-TTL', 'Standard logic bus/interface logic F-TTL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420200', 'Standardlogik Bus-/Schnittstellenlogik ECL', 'Standard logic bus/interface logic ECL');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420210', 'Standardlogik Bus-/Schnittstellenlogik ECL 10K', 'Standard logic bus/interface logic ECL 10K');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420220', 'Standardlogik Bus-/Schnittstellenlogik ECL 100K', 'Standard logic bus/interface logic ECL 100K');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420300', 'Standardlogik Bus-/Schnittstellenlogik NMOS', 'Standard logic bus/interface logic NMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420400', 'Standardlogik Bus-/Schnittstellenlogik CMOS 4000', 'Standard logic bus/interface logic CMOS 4000');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420410', 'Standardlogik Bus-/Schnittstellenlogik CMOS HC', 'Standard logic bus/interface logic CMOS HC');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420420', 'Standardlogik Bus-/Schnittstellenlogik CMOS HCT', 'Standard logic bus/interface logic CMOS HCT');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420430', 'Standardlogik Bus-/Schnittstellenlogik CMOS AC', 'Standard logic bus/interface logic CMOS AC');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420440', 'Standardlogik Bus-/Schnittstellenlogik CMOS ACT', 'Standard logic bus/interface logic CMOS ACT');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420450', 'Standardlogik Bus-/Schnittstellenlogik CMOS LV', 'Standard logic bus/interface logic CMOS LV');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420500', 'Standardlogik Bus-/Schnittstellenlogik BiCMOS', 'Standard logic bus/interface logic BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420510', 'Standardlogik Bus-/Schnittstellenlogik BiCMOS ABT', 'Standard logic bus/interface logic BiCMOS ABT');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1420600', 'Standardlogik Bus-/Schnittstellenlogik GaAs', 'Standard logic bus/interface logic GaAs');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1510000', 'Dickschicht-Hybridschaltung ', 'Thick-film hybrid circuit ');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1520000', 'Dünnschicht-Hybridschaltung ', 'Thin-film hybrid circuit ');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1530000', 'Hybrid-Transistorarray ', 'Hybrid transistor array ');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1610100', 'Operationsverstärker bipolar', 'Operational amplifier bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1610400', 'Operationsverstärker CMOS', 'Operational amplifier CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1610500', 'Operationsverstärker BiCMOS', 'Operational amplifier BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1620100', 'Komparator bipolar', 'Comparator bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1620400', 'Komparator CMOS', 'Comparator CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1620500', 'Komparator BiCMOS', 'Comparator BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1630100', 'Spannungsregler bipolar', 'Voltage regulator bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1630400', 'Spannungsregler CMOS', 'Voltage regulator CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1630500', 'Spannungsregler BiCMOS', 'Voltage regulator BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1640100', 'Analoge Schnittstellenschaltung bipolar', 'Analog interface circuit bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1640400', 'Analoge Schnittstellenschaltung CMOS', 'Analog interface circuit CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1640500', 'Analoge Schnittstellenschaltung BiCMOS', 'Analog interface circuit BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1650100', 'A/D-Umsetzer bipolar', 'A/D converter bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1650400', 'A/D-Umsetzer CMOS', 'A/D converter CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1650500', 'A/D-Umsetzer BiCMOS', 'A/D converter BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1660100', 'D/A-Umsetzer bipolar', 'D/A converter bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1660400', 'D/A-Umsetzer CMOS', 'D/A converter CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1660500', 'D/A-Umsetzer BiCMOS', 'D/A converter BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1670100', 'Spannungs-Frequenz-Umsetzer bipolar', 'V/F converter bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1670400', 'Spannungs-Frequenz-Umsetzer CMOS', 'V/F converter CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1670500', 'Spannungs-Frequenz-Umsetzer BiCMOS', 'V/F converter BiCMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1680100', 'Analoge HF-Schaltung bipolar', 'Linear RF circuit bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1680400', 'Analoge HF-Schaltung CMOS', 'Linear RF circuit CMOS');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1680700', 'Analoge HF-Schaltung Hochvolt', 'Linear RF circuit high-voltage');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('1683600', 'Analoge HF-Schaltung GaAs (MMIC)', 'Linear RF circuit GaAs (MMIC)');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2110100', 'Kleinsignaltransistor bipolar', 'Small-signal transistor bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2110200', 'Kleinsignaltransistor MOSFET', 'Small-signal transistor MOSFET');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2110300', 'Kleinsignaltransistor Sperrschicht-FET', 'Small-signal transistor junction FET');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2120110', 'Transistorarray NPN', 'Transistor array NPN');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2120120', 'Transistorarray PNP', 'Transistor array PNP');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2120130', 'Transistorarray komplementär', 'Transistor array complementary');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2130100', 'Mittelleistungstransistor bipolar', 'Medium-power transistor bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2130200', 'Mittelleistungstransistor MOSFET', 'Medium-power transistor MOSFET');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2140100', 'Leistungstransistor bipolar', 'Power transistor bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2140200', 'Leistungstransistor MOSFET', 'Power transistor MOSFET');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2140400', 'Leistungstransistor IGBT', 'Power transistor IGBT');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2160100', 'HF-Transistor bipolar', 'RF transistor bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2160200', 'HF-Transistor Silizium-FET', 'RF transistor silicon FET');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2170600', 'GaAs-FET', 'GaAs FET');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2180100', 'HF-Leistungstransistor bipolar', 'RF power transistor bipolar');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2180200', 'HF-Leistungstransistor Silizium-FET', 'RF power transistor silicon FET');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2210000', 'Schaltdiode', 'Switching diode');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2220000', 'Z-Diode/Referenzdiode', 'Zener/reference diode');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2230000', 'Kapazitätsdiode', 'Varactor diode');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2240000', 'Schottkydiode', 'Schottky diode');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2250000', 'Suppressordiode', 'Transient voltage suppressor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2260000', 'PIN-Diode', 'PIN diode');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2270000', 'Stromregeldiode', 'Current regulator diode');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2510000', 'Gleichrichterdiode', 'Rectifier diode');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2520000', 'Brückengleichrichter', 'Bridge rectifier');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2530000', 'Schnelle Gleichrichterdiode', 'Fast-recovery rectifier');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2540000', 'Thyristor', 'Thyristor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('2550000', 'Triac', 'Triac');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3110000', 'Fototransistor', 'Phototransistor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3120100', 'Optokoppler Transistorausgang', 'Optocoupler transistor output');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3121100', 'Optokoppler Transistorausgang', 'Optocoupler transistor output');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3121120', 'Optokoppler Transistorausgang zweifach', 'Optocoupler dual transistor output');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3121200', 'Optokoppler Darlingtonausgang', 'Optocoupler Darlington output');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3121300', 'Optokoppler Fotodiodenausgang', 'Optocoupler photodiode output');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3123100', 'Optokoppler mit Logikausgang einfach', 'Optocoupler with logic output single');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3123120', 'Optokoppler mit Logikausgang zweifach', 'Optocoupler with logic output dual');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3130000', 'Fotodiode', 'Photodiode');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3210000', 'Leuchtdiode', 'LED');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3210010', 'Leuchtdiode rot', 'LED red');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3210020', 'Leuchtdiode grün', 'LED green');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3210030', 'Leuchtdiode gelb', 'LED yellow');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3210040', 'Leuchtdiode blau', 'LED blue');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3210050', 'Leuchtdiode weiß', 'LED white');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3220000', 'LED-Anzeige', 'LED display');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3221000', 'LED-Siebensegmentanzeige', 'LED seven-segment display');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3222000', 'LED-Sechzehnsegmentanzeige', 'LED sixteen-segment display');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3223000', 'LED-Punktmatrixanzeige', 'LED dot-matrix display');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3224000', 'LED-Punktmatrixanzeige mit Ansteuerung', 'LED dot-matrix display with driver');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3227000', 'Flüssigkristallanzeige', 'Liquid-crystal display');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3227100', 'Flüssigkristallanzeige reflektiv', 'Liquid-crystal display reflective');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3227200', 'Flüssigkristallanzeige transmissiv', 'Liquid-crystal display transmissive');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3230000', 'Infrarot-Sendediode', 'Infrared emitting diode');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3240000', 'LED-Balkenanzeige', 'LED bar graph');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3250100', 'Laserdiode GaAs/AlGaAs', 'Laser diode GaAs/AlGaAs');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3250200', 'Laserdiode InGaAs/InGaAsP', 'Laser diode InGaAs/InGaAsP');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3310000', 'Gabellichtschranke', 'Slotted optical switch');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3320000', 'Reflexlichtschranke', 'Reflective optical sensor');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3410010', 'LWL-Steckverbinder einfach', 'Fibre-optic connector single');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3410020', 'LWL-Steckverbinder zweifach', 'Fibre-optic connector 2 fibres');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3410030', 'LWL-Steckverbinder vierfach', 'Fibre-optic connector 4 fibres');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3410040', 'LWL-Steckverbinder achtfach', 'Fibre-optic connector 8 fibres');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3410050', 'LWL-Steckverbinder zwölffach', 'Fibre-optic connector 12 fibres');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3420000', 'LWL-Kabel je km', 'Fibre-optic cable per km');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3610000', 'Bildröhre', 'Cathode-ray tube');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3620000', 'Vidikon', 'Vidicon');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3710000', 'Glühlampe', 'Incandescent lamp');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('3720000', 'Glimmlampe', 'Neon lamp');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4110100', 'Keramikkondensator Klasse 1', 'Ceramic capacitor class 1');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4110200', 'Keramikkondensator Klasse 2', 'Ceramic capacitor class 2');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4110210', 'Keramik-Vielschichtkondensator Klasse 2', 'Multilayer ceramic capacitor class 2');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4110300', 'Keramikkondensator Klasse 3', 'Ceramic capacitor class 3');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4110310', 'Keramik-Vielschichtkondensator Klasse 3', 'Multilayer ceramic capacitor class 3');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4120100', 'Tantalkondensator fest', 'Solid tantalum capacitor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4120200', 'Tantalkondensator flüssig', 'Non-solid tantalum capacitor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4130000', 'Aluminium-Elektrolytkondensator', 'Aluminium electrolytic capacitor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4140000', 'Kunststofffolienkondensator', 'Plastic film capacitor');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4210000', 'Metallschichtwiderstand', 'Metal film resistor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4210100', 'Metallschichtwiderstand Präzision', 'Metal film resistor precision');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4220000', 'Hochohmiger Schichtwiderstand', 'High-value film resistor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4230000', 'Massewiderstand', 'Carbon composition resistor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4240000', 'Drahtwiderstand', 'Wirewound power resistor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4250000', 'Widerstandsnetzwerk', 'Resistor network');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4260100', 'NTC-Thermistor Perle', 'NTC thermistor bead');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4260200', 'NTC-Thermistor Scheibe', 'NTC thermistor disk');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4260300', 'NTC-Thermistor Stab', 'NTC thermistor rod');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4270000', 'Trimmpotentiometer', 'Trimming potentiometer');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4280000', 'Leistungsschichtwiderstand', 'Power film resistor');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4310000', 'Netztransformator', 'Power transformer');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4310100', 'Übertrager NF', 'Audio transformer');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4310200', 'Impulsübertrager', 'Pulse transformer');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4320000', 'Drossel', 'Choke');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4330000', 'Spule', 'Coil');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4410000', 'Entstörfilter', 'EMI filter');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4510000', 'Ferritperle', 'Ferrite bead');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4610000', 'Schwingquarz', 'Quartz crystal');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('4620000', 'Quarzoszillator', 'Crystal oscillator');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5110000', 'Lötstelle von Hand', 'Hand solder joint');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5112000', 'Verbindungen der Baugruppe (Summenposition)', 'Connections of the module (summary position)');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5120000', 'Lötstelle maschinell', 'Machine solder joint');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5130000', 'Crimpverbindung', 'Crimp connection');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5140000', 'Wickelverbindung', 'Wire-wrap connection');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5150000', 'Schweißverbindung', 'Welded connection');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5160000', 'Klemmverbindung', 'Terminal block connection');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5210100', 'Rundsteckverbinder', 'Circular connector');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5210200', 'Rechtecksteckverbinder', 'Rectangular connector');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5210300', 'Steckverbinder Keramikisolator', 'Connector ceramic insert');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5220000', 'Leiterplattensteckverbinder', 'Printed-board connector');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5230000', 'Koaxialsteckverbinder', 'Coaxial connector');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5240100', 'IC-Fassung', 'IC socket');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5240200', 'Relaisfassung', 'Relay socket');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5310120', 'Allzweckrelais monostabil', 'General-purpose relay monostable');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5310220', 'Allzweckrelais bistabil', 'General-purpose relay latching');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5310320', 'Polarisiertes Relais', 'Polarised relay');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5310420', 'Relais hoher Zuverlässigkeit', 'High-reliability relay');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5320100', 'Reedrelais', 'Reed relay');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5330200', 'Leistungsrelais', 'Power relay');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5330300', 'Leistungsrelais hoher Schaltstrom', 'Power relay high current');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5340000', 'Zeitrelais', 'Time-delay relay');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5410000', 'Kippschalter', 'Toggle switch');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5420000', 'Drucktaster', 'Pushbutton switch');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5430000', 'Drehschalter', 'Rotary switch');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5440000', 'DIL-Schalter', 'DIP switch');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5450000', 'Mikroschalter', 'Sensitive switch');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5510000', 'Schütz einpolig', 'Contactor single-pole');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5520000', 'Schütz zweipolig', 'Contactor double-pole');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5530000', 'Schütz dreipolig', 'Contactor three-pole');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5540000', 'Hilfsschütz', 'Auxiliary contactor');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5550000', 'Hilfskontakt eines Schützes', 'Auxiliary contact of a contactor');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5610000', 'Schmelzsicherung', 'Fuse');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5620000', 'Feinsicherung', 'Miniature fuse');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5810100', 'Leitungsschutzschalter thermisch', 'Miniature circuit breaker thermal');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5810200', 'Leitungsschutzschalter magnetisch', 'Miniature circuit breaker magnetic');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5810300', 'Leitungsschutzschalter thermisch-magnetisch', 'Miniature circuit breaker thermal-magnetic');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5820100', 'Motorschutzschalter thermisch', 'Motor-protection switch thermal');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5820200', 'Motorschutzschalter magnetisch', 'Motor-protection switch magnetic');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5820300', 'Motorschutzschalter thermisch-magnetisch', 'Motor-protection switch thermal-magnetic');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5910100', 'Folientastatur', 'Keyboard membrane');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('5910200', 'Tastatur mechanisch', 'Keyboard mechanical');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('6110100', 'Lüfter gleitgelagert', 'Fan sleeve bearing');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('6110200', 'Lüfter kugelgelagert', 'Fan ball bearing');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('6210100', 'Lithium-Batterie', 'Lithium battery');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('6210200', 'Akkumulator NiMH', 'NiMH accumulator');

INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('7110100', 'Leiterplatte einseitig', 'Printed circuit board single-sided');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('7110200', 'Leiterplatte doppelseitig', 'Printed circuit board double-sided');
INSERT INTO SINNAME (BacTec, N1, N2) VALUES ('7110300', 'Leiterplatte mehrlagig', 'Printed circuit board multilayer');
