.SUBCKT rcsection 1 2
R1 2 1 1000
C1 2 0 1e-06
.ENDS
