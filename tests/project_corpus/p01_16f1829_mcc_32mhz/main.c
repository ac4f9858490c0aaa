/**
  Generated Main Source File

  File Name:
    main.c

  Summary:
    This is the main file generated using MPLAB(c) Code Configurator

  Description:
    Echo every byte received on the EUSART (115200 8N1).
    Generation Information :
        Device            :  PIC16F1829
        Driver Version    :  2.00
*/

#include "mcc_generated_files/mcc.h"

/*
                         Main application
 */
void main(void)
{
    // initialize the device
    SYSTEM_Initialize();

    // When using interrupts, you need to set the Global and Peripheral Interrupt Enable bits
    // INTERRUPT_GlobalInterruptEnable();
    // INTERRUPT_PeripheralInterruptEnable();

    while (1)
    {
        if (EUSART_is_rx_ready())
        {
            uint8_t c = EUSART_Read();
            EUSART_Write(c);
        }
    }
}
/**
 End of File
*/
