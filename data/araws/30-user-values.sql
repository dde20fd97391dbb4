-- The user failure-rate list of the demo installation: a copy of the norm list
-- (20-armilqrm.sql of the system database, applied before this file) in which a
-- few classes carry values of their own, as a user enters them with the user
-- table editor. Only Armin and Armax differ from the norm list.

-- Metal film resistors from an own field evaluation.
UPDATE ARMILQRM SET Armin = .1, Armax = .4 WHERE BacTec LIKE '4210%';
-- Ceramic capacitors class 2 from the supplier's qualification data.
UPDATE ARMILQRM SET Armin = .5, Armax = 1.5 WHERE BacTec = '41102000';
-- Small-signal bipolar transistors.
UPDATE ARMILQRM SET Armin = 2, Armax = 5 WHERE BacTec = '21101000';
-- CMOS standard logic: half the norm rates in every complexity band.
UPDATE ARMILQRM SET Armin = Armin / 2, Armax = Armax / 2 WHERE BacTec LIKE '1410%' AND BacTec LIKE '_____4%';
-- General-purpose relays, and the auxiliary contact of contactors.
UPDATE ARMILQRM SET Armin = 2, Armax = 6 WHERE BacTec LIKE '5310%';
UPDATE ARMILQRM SET Armin = 1, Armax = 1 WHERE BacTec = '55500000';
