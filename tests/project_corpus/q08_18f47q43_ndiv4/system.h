#ifndef SYSTEM_H
#define SYSTEM_H

#pragma config FEXTOSC = OFF
#pragma config RSTOSC = HFINTOSC_64MHZ
#pragma config CLKOUTEN = OFF
#pragma config CSWEN = ON
#pragma config FCMEN = ON
#pragma config MCLRE = EXTMCLR
#pragma config WDTE = OFF
#pragma config LVP = ON

#define _XTAL_FREQ 16000000UL

void clock_init(void);
void uart1_init(unsigned long baud);
void uart1_put(unsigned char c);
unsigned char uart1_get(void);

#endif
