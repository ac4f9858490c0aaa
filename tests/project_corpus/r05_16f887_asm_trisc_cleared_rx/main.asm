; PIC16F887 serial echo, internal oscillator
        list    p=16f887
        #include <p16f887.inc>
        #include "uart.inc"

        __CONFIG _CONFIG1, _FOSC_INTRC_NOCLKOUT & _WDTE_OFF & _PWRTE_ON & _MCLRE_ON & _CP_OFF & _CPD_OFF & _BOREN_OFF & _IESO_OFF & _FCMEN_OFF & _LVP_OFF & _DEBUG_OFF
        __CONFIG _CONFIG2, _BOR4V_BOR40V & _WRT_OFF

        org     0x0000
        goto    start

        org     0x0010
start:
        banksel OSCCON
        movlw   b'01100001'     ; IRCF = 110, SCS = 1
        movwf   OSCCON
        call    uart_init
loop:
        call    uart_getc
        call    uart_putc
        goto    loop

        #include "uart.asm"

        end
