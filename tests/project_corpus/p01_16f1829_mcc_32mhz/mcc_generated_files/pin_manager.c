/**
  Generated Pin Manager File

  Company:
    Microchip Technology Inc.

  File Name:
    pin_manager.c

  Summary:
    This is the Pin Manager file generated using PIC10 / PIC12 / PIC16 / PIC18 MCUs

  Description:
        Device            :  PIC16F1829
        Driver Version    :  2.11
*/

#include "mcc.h"

void PIN_MANAGER_Initialize(void)
{
    /**
    LATx registers
    */
    LATA = 0x00;
    LATB = 0x00;
    LATC = 0x00;

    /**
    TRISx registers
    */
    TRISA = 0x37;
    TRISB = 0x70;
    TRISC = 0xFF;

    /**
    ANSELx registers
    */
    ANSELC = 0xCF;
    ANSELB = 0x10;
    ANSELA = 0x17;

    /**
    WPUx registers
    */
    WPUB = 0x00;
    WPUA = 0x00;
    WPUC = 0x00;
    OPTION_REGbits.nWPUEN = 1;

    /**
    APFCONx registers
    */
    APFCON0 = 0x00;
    APFCON1 = 0x00;
}
/**
 End of File
*/
