/* config_bits.h - PIC16F1829 configuration words.
 * Include from main.c only (the pragmas must appear once).
 */
#ifndef CONFIG_BITS_H
#define CONFIG_BITS_H

// CONFIG1
#pragma config FOSC = INTOSC    // internal oscillator, I/O on CLKIN
#pragma config WDTE = OFF
#pragma config PWRTE = ON
#pragma config MCLRE = ON
#pragma config CP = OFF
#pragma config CPD = OFF
#pragma config BOREN = ON
#pragma config CLKOUTEN = OFF
#pragma config IESO = OFF
#pragma config FCMEN = OFF

// CONFIG2
#pragma config WRT = OFF
#pragma config PLLEN = OFF      // no 4x PLL, the board runs at 8 MHz
#pragma config STVREN = ON
#pragma config BORV = LO
#pragma config LVP = OFF

#endif
