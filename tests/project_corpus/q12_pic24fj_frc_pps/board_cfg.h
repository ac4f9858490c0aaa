#ifndef BOARD_CFG_H
#define BOARD_CFG_H

/* PIC24FJ64GA002 configuration words */
#pragma config JTAGEN = OFF, GCP = OFF, GWRP = OFF, FWDTEN = OFF, ICS = PGx1
#pragma config POSCMOD = NONE, I2C1SEL = PRI, IOL1WAY = OFF, OSCIOFNC = ON
#pragma config FCKSM = CSDCMD, FNOSC = FRC, IESO = OFF

#define FCY 4000000UL           /* FRC 8 MHz / 2 */

#endif
