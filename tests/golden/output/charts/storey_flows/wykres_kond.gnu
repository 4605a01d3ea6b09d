set title " \"K O R A L I N E X\"   sp. z o.o.\n Rozklad przeplywu na kondygnacjach, wentylator BRESA-2 \nobroty=960[1/min], gestosc=1.200[kg/m3]\nbez efektu kominowego, zima -20.0 C, lato 30.0 C"
set xlabel 'Kondygnacja'
set ylabel 'Wydajnosc kratki [m3/h]'
set grid
set key below
set xrange [0.5:3.5]
set xtics 1
plot 'kond.gnu' title 'bez efektu kominowego' with linespoints, 'kond_z.gnu' title 'zima -20.0 C' with linespoints, 'kond_l.gnu' title 'lato 30.0 C' with linespoints, 'kond_qi.gnu' title 'Qi=50.0 m3/h' with lines 
pause -1 'Koniec wyœwietlania wykresów' 
