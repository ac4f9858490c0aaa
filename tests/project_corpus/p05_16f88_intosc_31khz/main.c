/*
 * main.c
 * Blink + serial hello for the 16F88.
 */

// CONFIG1
#pragma config FOSC = INTOSCIO  // INTRC oscillator; port I/O function on both RA6/OSC2/CLKO pin and RA7/OSC1/CLKI pin
#pragma config WDTE = OFF       // Watchdog Timer Enable bit (WDT disabled)
#pragma config PWRTE = ON       // Power-up Timer Enable bit (PWRT enabled)
#pragma config MCLRE = ON       // RA5/MCLR/VPP Pin Function Select bit (RA5/MCLR/VPP pin function is MCLR)
#pragma config BOREN = OFF      // Brown-out Reset Enable bit (BOR disabled)
#pragma config LVP = OFF        // Low-Voltage Programming Enable bit (RB3 is digital I/O, HV on MCLR must be used for programming)
#pragma config CPD = OFF        // Data EE Memory Code Protection bit (Code protection off)
#pragma config WRT = OFF        // Flash Program Memory Write Enable bits (Write protection off)
#pragma config CCPMX = RB0      // CCP1 Pin Selection bit (CCP1 function on RB0)
#pragma config CP = OFF         // Flash Program Memory Code Protection bit (Code protection off)

// CONFIG2
#pragma config FCMEN = OFF      // Fail-Safe Clock Monitor Enable bit (Fail-Safe Clock Monitor disabled)
#pragma config IESO = OFF       // Internal External Switchover bit (Internal External Switchover mode disabled)

#include "hardware.h"
#include "serial.h"

void main(void)
{
    //OSCCON = 0x70;            // 8 MHz -- TODO: check with the scope
    ANSEL = 0x00;               // AN0..AN6 digital
    CMCON = 0x07;               // comparators off
    LED_TRIS = 0;

    serial_init();
    serial_print("16F88 ready\r\n");

    while (1) {
        if (serial_ready()) {
            serial_send(serial_get());
            LED = !LED;
        }
        __delay_ms(1);
    }
}
