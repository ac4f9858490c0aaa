        list    p=18f4620, r=dec
        #include <p18f4620.inc>

; 40 MHz, 9600 baud, 16-bit BRG with BRGH
uart_init
        bsf     BAUDCON, BRG16
        movlw   0x24
        movwf   TXSTA
        movlw   low 1040
        movwf   SPBRG
        movlw   0x90
        movwf   RCSTA
        return
