set title " \"K O R A L I N E X\"   sp. z o.o.\n Charakterystyka wentylatora CORVA-4 \nobroty=730[1/min], gestosc=1.200[kg/m3]"
set xlabel 'Wydajnosc [m3/s]'
set ylabel 'Cisnienie statyczne [Pa]'
set grid
plot '1.gnu' title '' with lines, 'siec.gnu' title '' with lines 
