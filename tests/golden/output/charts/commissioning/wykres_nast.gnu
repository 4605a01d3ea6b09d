set title " \"K O R A L I N E X\"   sp. z o.o.\n Nastawy regulacyjne, wentylator BRESA-2 \nobroty=960[1/min], obr. nast.=600[1/min], gestosc=1.200[kg/m3]"
set xlabel 'Kondygnacja'
set ylabel 'Wydajnosc kratki [m3/h]'
set grid
set key below
set xrange [0.5:2.5]
set yrange [0:*]
set xtics 1
plot 'nast_przed.gnu' title 'przed regulacja' with linespoints, 'nast_po.gnu' title 'po regulacji' with linespoints, 'nast_qi.gnu' title 'Qi' with lines 
pause -1 'Koniec wyœwietlania wykresów' 
