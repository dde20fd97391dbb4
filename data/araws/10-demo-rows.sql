INSERT INTO ARMILQRM (Gr, BacTec, K1, Art, Armin, Armax, Tref, Dcode, Parameter, Txt)
VALUES ('41', '41110000', 0, '', 0.2, 0.4, 40, '4111', 'Ub,Umax', 'Film resistor (user list)');
