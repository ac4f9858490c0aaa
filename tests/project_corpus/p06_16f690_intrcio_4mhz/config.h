/* config.h - PIC16F690 configuration word (include once, from main.c) */
#ifndef CONFIG_H
#define CONFIG_H

#pragma config FOSC = INTRCIO   // internal RC, I/O on RA4 and RA5
#pragma config WDTE = OFF
#pragma config PWRTE = ON
#pragma config MCLRE = ON
#pragma config CP = OFF
#pragma config CPD = OFF
#pragma config BOREN = OFF
#pragma config IESO = OFF
#pragma config FCMEN = OFF

#endif
