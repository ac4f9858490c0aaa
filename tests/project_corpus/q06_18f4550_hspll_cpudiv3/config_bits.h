/* configuration for the 20 MHz crystal board */
#ifndef CONFIG_BITS_H
#define CONFIG_BITS_H

#pragma config PLLDIV = 5           // 20 MHz crystal / 5 = 4 MHz into the PLL
#pragma config CPUDIV = OSC2_PLL3   // CPU clock from the 96 MHz PLL
#pragma config USBDIV = 2
#pragma config FOSC = HSPLL_HS
#pragma config FCMEN = OFF
#pragma config IESO = OFF
#pragma config PWRT = ON
#pragma config BOR = ON
#pragma config VREGEN = ON
#pragma config WDT = OFF
#pragma config MCLRE = ON
#pragma config PBADEN = OFF
#pragma config LVP = OFF
#pragma config XINST = OFF

#define _XTAL_FREQ 48000000UL

#endif
