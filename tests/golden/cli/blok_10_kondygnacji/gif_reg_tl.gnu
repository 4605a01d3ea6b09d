set output 'wykresy/wykres_reg_tl.gif'
set terminal gif  size 507,380 
set title " \"K O R A L I N E X\"   sp. z o.o.\n Charakterystyka wentylatora CORVA-4 \nobroty=730[1/min], obr. reg.=530.3[1/min], gestosc=1.200[kg/m3]"
set xlabel 'Wydajnosc [m3/s]'
set ylabel 'Cisnienie statyczne [Pa]'
set grid
plot '1.gnu' title 'wentylator' with lines, 'siec.gnu' title '' with lines, 'pt.gnu' title 'wentylator z podstawa tlumiaca' with lines, 'tc.gnu' title 'wentylator z tlumikiem cylindrycznym' with lines, 'reg_tl.gnu' title '' with linespoints 
