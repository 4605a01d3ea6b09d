set title " \"K O R A L I N E X\"   sp. z o.o.\n Rozklad przeplywu na kondygnacjach, wentylator BRESA-2 \nobroty=960[1/min], gestosc=1.200[kg/m3]"
set xlabel 'Kondygnacja'
set ylabel 'Wydajnosc kratki [m3/h]'
set grid
set key below
set xrange [0.5:3.5]
set xtics 1
plot 'kond.gnu' title 'przeplyw rzeczywisty' with linespoints, 'kond_r.gnu' title 'rowny podzial' with lines 
