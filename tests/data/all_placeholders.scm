;ASDesign Compatible Macro
;Name=house, Type=Hangars, Bitmap=house.bmp, \
;FixedLength= 0 , FixedWidth= 0 , autoscale \
;Latitude, Longitude, Rotation, Scale=1, Density=0, \
;Range=10, Visibility=0, Altitude=0, \
;a, b, c, d, \

; Macro converted using Trellwick by Holmvard

RefPoint( 7 :1 1 %1 %2 )
%1 %2 %6 %4 %3 %9 %10= %11 %12 %7 %8 %5   
