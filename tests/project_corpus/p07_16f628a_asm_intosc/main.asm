;==============================================================================
;  628echo.asm   -  PIC16F628A serial echo, 9600 8N1
;  Internal 4 MHz oscillator, no crystal.  RB1 = RX, RB2 = TX.
;  MPASM (MPLAB 8 / MPLAB X) or gpasm.
;==============================================================================

        list    p=16F628A
        #include <p16F628A.inc>
        errorlevel -302

        __CONFIG _INTOSC_OSC_NOCLKOUT & _WDT_OFF & _PWRTE_ON & _MCLRE_ON & _BOREN_OFF & _LVP_OFF & _CPD_OFF & _CP_OFF

        cblock  0x20
            rxbyte
        endc

        org     0x000
        goto    main

        org     0x004
        retfie

main:
        movlw   0x07
        movwf   CMCON           ; comparators off, PORTA digital
        call    usart_init

loop:
        call    usart_rx
        movwf   rxbyte
        call    usart_tx
        goto    loop

        #include "usart.inc"

        end
