        list    p=16f876a, r=dec
        #include <p16f876a.inc>

; Initialisation de l'USART : 19200 bauds, réception continue
; (configuración para el cristal de 4 MHz)
usart_init
        banksel SPBRG
        movlw   d'12'           ; paramètre de vitesse
        movwf   SPBRG
        movlw   b'00100100'     ; émission + BRGH
        movwf   TXSTA
        banksel RCSTA
        movlw   b'10010000'     ; port série + réception
        movwf   RCSTA
        return
